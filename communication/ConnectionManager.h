#pragma once

#include "communication/ConnectionInfo.h"

#include <QMutex>
#include <QObject>
#include <QPair>
#include <QVariant>

#include <memory>

class InterfaceFactory;
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
//
// The mutex guards the request and connection flags and records; it is
// never held while the device is called (the device takes its own locks)
// nor while a signal is emitted.
class ConnectionManager : public QObject
{
    Q_OBJECT

public:
    enum Action { NoAction = 0, ConnectAction = 1, DisconnectAction = 2 };

    // Moves itself to the worker thread, so it takes no parent.
    ConnectionManager(ITargetManager* targets, ServersManager* servers, ILogger* logger,
                      QThread* worker, QObject* parent = nullptr);
    // Builds the transports with `factory` instead of the product's own.
    ConnectionManager(ITargetManager* targets, ServersManager* servers, ILogger* logger,
                      QThread* worker, std::unique_ptr<InterfaceFactory> factory,
                      QObject* parent = nullptr);
    ~ConnectionManager() override;

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
    // Worker thread, mutex not held: hands a new transport to the device.
    void connectNow();
    void detachDeviceLocked();
    void endActionLocked();

    ITargetManager* m_targets;
    ILogger* m_logger;
    QThread* m_worker;
    std::unique_ptr<InterfaceFactory> m_factory;
    IDevice* m_device = nullptr;
    ConnectionInfo m_current;

    QMutex m_mutex;
    bool m_connected = false;
    bool m_actionPending = false;
    int m_connectionDeviceType = 0;
    int m_action = NoAction;
    // The pending action has been taken up on the worker thread; until then a
    // state change of the device is no answer to it.
    bool m_actionStarted = false;
    ConnectionInfo m_pendingInfo;
    int m_pendingDeviceType = 0;
};

} // namespace Communication
} // namespace Common
