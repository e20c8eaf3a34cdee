#pragma once

#include "communication/ConnectionInfo.h"

#include <QMutex>
#include <QObject>
#include <QPair>
#include <QVariant>

class QThread;

namespace Common {
namespace Communication {

class IDevice;
class ILogger;
class ITargetManager;
class ServersManager;

// Turns connect and disconnect requests from any thread into transports,
// command engines and device calls on the communication thread, and reports
// the outcome with the connection records. One request at a time.
class ConnectionManager : public QObject
{
    Q_OBJECT

public:
    enum Action { NoAction = 0, ConnectAction = 1, DisconnectAction = 2 };

    // Moves itself to the worker thread, so it takes no parent.
    ConnectionManager(ITargetManager* targets, ServersManager* servers, ILogger* logger,
                      QThread* worker, QObject* parent = nullptr);

    // Both refused (false) while another request is pending.
    bool requestConnect(ConnectionInfo info, int deviceType);
    bool requestDisconnect();
    // Connected (first) and action pending (second).
    QPair<bool, bool> statusFlags();
    int deviceType();

signals:
    void connectingTo(QVariant ci);
    void connectedTo(QVariant ci, QVariant di);
    void disconnectedFrom(QVariant ci, int reason);
    void couldNotConnect(QVariant ci);
    void scheduledAction();
    void moduleInfoAppeared(QVariant mi);
    void disconnectionFinished();

public slots:
    void onDeviceStateChange(int state, int reason);
    void onConnectionFailed();
    void onActionScheduled();

private:
    bool scheduleAction(int action, const ConnectionInfo& info, int deviceType);
    void connectNowLocked();
    void detachDeviceLocked();
    void endActionLocked();

    ITargetManager* targets;
    ServersManager* servers;
    ILogger* logger;
    QThread* worker;
    IDevice* device = nullptr;
    ConnectionInfo current;

    QMutex mutex;
    bool connected = false;
    bool actionPending = false;
    int connectionDeviceType = 0;
    int action = NoAction;
    // The pending action has been taken up on the worker thread; until then a
    // state change of the device is no answer to it.
    bool actionStarted = false;
    ConnectionInfo pendingInfo;
    int pendingDeviceType = 0;
};

} // namespace Communication
} // namespace Common
