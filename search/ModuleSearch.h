#pragma once

#include "communication/VornLogRecord.h"
#include "search/ModuleFactory.h"
#include "search/ModuleQueue.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

class QUdpSocket;

namespace Common {
namespace Communication {

class ILogger;
class IModuleReceiver;
class IOInterfaceModule;

// One network interface of the PC as discovery sees it.
struct NetworkInterfaceInfo
{
    struct Address
    {
        QHostAddress ip;
        quint32 netmask = 0;
    };
    QString name;
    bool loopback = false;
    bool up = false;
    QList<Address> addresses; // IPv4 only
};

// The PC's interfaces from the operating system.
QList<NetworkInterfaceInfo> systemNetworkInterfaces();

// Finds the network modules on the LAN: a status query broadcast from every
// IPv4 address of the PC to the three module ports, the replies collected
// per sender, a module object made for each complete reply and handed to the
// queue; modules outside the receiving interface's subnet are queried last,
// when the off-subnet timer fires.
class ModuleSearch : public QObject
{
    Q_OBJECT

public:
    explicit ModuleSearch(IModuleReceiver* receiver, QObject* parent = nullptr);

    void setLogger(ILogger* logger) { m_logger = logger; }
    void broadcastEcho();
    void clear();

    // Where the queries go, from which interfaces, and how long modules off
    // the subnet wait; the defaults are the LAN's broadcast and the modules'
    // own ports, the PC's interfaces and 5 s.
    void setModuleEndpoints(const ModuleEndpoints& endpoints) { m_endpoints = endpoints; }
    void setInterfaceLister(std::function<QList<NetworkInterfaceInfo>()> lister)
    {
        m_interfaces = std::move(lister);
    }
    void setOffSubnetDelay(int milliseconds) { m_offSubnetTimer.setInterval(milliseconds); }
    int deferredCount() const { return m_deferred.size(); }

signals:
    void newLogLine(QString line);

public slots:
    void onSocketReadyRead();
    void onInLog(VornLogRecord record);
    void onOutLog(VornLogRecord record);
    void onTimerTimeout();

private:
    void handleReply(const QByteArray& reply, const QHostAddress& local, quint32 netmask,
                     const QHostAddress& sender, quint16 port);

    ILogger* m_logger = nullptr;
    QTimer m_offSubnetTimer;
    QList<QUdpSocket*> m_sockets;
    QHash<QHostAddress, QByteArray> m_replies;
    QList<IOInterfaceModule*> m_deferred;
    ModuleQueue* m_queue;
    ModuleEndpoints m_endpoints;
    std::function<QList<NetworkInterfaceInfo>()> m_interfaces = systemNetworkInterfaces;
};

} // namespace Communication
} // namespace Common
