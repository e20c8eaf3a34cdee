#pragma once

#include "communication/IOInterfaceModule.h"
#include "communication/ModuleData.h"

#include <QByteArray>
#include <QHostAddress>
#include <QVariant>
#include <QVector>

class QUdpSocket;

namespace Common {
namespace Communication {

// Request ids of the module commands; 0 keeps the current command, for the
// follow-up datagrams of one request.
enum ModuleCommand {
    CommandKeep = 0,
    CommandGetStatus = 1,
    CommandSelectModule = 2,
    CommandGetInfo = 3,
    CommandSetDhcp = 4,
    CommandSetIp = 5,
    CommandSetGateway = 6,
    CommandSetNetmask = 7,
    CommandSetIpLayer = 8,
    CommandSetRoutingMode = 9,
    CommandSetRemoteIp = 10,
    CommandSetPort = 11,
    CommandSetRemotePort = 12,
    CommandStartClientServer = 13,
    CommandSetTransportProtocol = 21,
    CommandSetBaudrate = 22,
    CommandReboot = 23,
    CommandTestDatagram = 30,
    CommandSetTcpSettings = 31,
};

// The common part of the Tibbo and ESP configurators: one UDP request at a
// time with its reply timer, the log of every datagram, and the module's
// settings as last read or confirmed. The derived class makes and binds the
// socket, sets the UDP port and evaluates the replies.
class CInterfaceModule : public IOInterfaceModule
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeout = 1000;

    CInterfaceModule(quint32 hostNetmask, quint64 mac, const QHostAddress& deviceIp,
                     QObject* parent = nullptr);

    bool isDeviceInHostSubnet() const override;
    bool isHostInDeviceSubnet() const override;
    QHostAddress ipAddress() const override { return m_ipAddress; }
    QHostAddress gateway() const override { return m_gateway; }
    QHostAddress netmask() const override { return m_netmask; }
    int port() const override { return m_port; }
    int routingMode() const override { return m_routingMode; }
    int transportProtocol() const override { return m_transportProtocol; }
    int baudrate() const override { return m_baudrate; }
    QByteArray moduleId() const override { return m_moduleData.id; }
    quint64 mac() const override { return m_moduleData.mac; }
    QHostAddress remoteIp() const override { return m_remoteIp; }
    int remotePort() const override { return m_remotePort; }
    bool isDhcp() const override { return m_moduleData.dhcp; }
    bool isAddressObtained() const override { return m_moduleData.addressObtained; }
    QHostAddress hostIp() const override;
    QHostAddress deviceIp() const override { return m_deviceIp; }
    quint32 hostNetmask() const override { return m_hostNetmask; }
    int udpPort() const override { return m_udpPort; }
    void setDeviceIp(const QHostAddress& ip) override { m_deviceIp = ip; }
    // A copy of the module object with the same settings; none where the
    // module kind cannot be copied.
    virtual CInterfaceModule* clone(QObject* parent) const = 0;

    void setFlags(bool dhcp, bool addressObtained);
    void copyModuleData(const CInterfaceModule& other);
    // Where broadcast requests go and which UDP port the module listens on;
    // the defaults are the LAN broadcast and the module kind's own port.
    void setBroadcastAddress(const QHostAddress& address) { m_broadcastAddress = address; }
    void setUdpPort(int port) { m_udpPort = port; }
    bool isRequestPending() const { return m_requestTimer != 0; }
    QByteArray lastReply() const { return m_lastReply; }
    int infoCount() const { return m_infoCount; }
    int currentCommand() const { return m_currentCommand; }

public slots:
    void sendDatagram(QByteArray datagram, int command, bool force_broadcast, int timeout_ms);
    void sendDatagram(QByteArray datagram, int command, bool force_broadcast)
    {
        sendDatagram(datagram, command, force_broadcast, DefaultTimeout);
    }
    void sendDatagram(QByteArray datagram, int command)
    {
        sendDatagram(datagram, command, false, DefaultTimeout);
    }

protected:
    void timerEvent(QTimerEvent* event) override;
    void startRequestTimer(int timeout_ms);
    void stopRequestTimer();
    void replyInfo();
    void replyOk();
    void replyFailed();
    void replyTimeout();
    // Logs a received datagram and makes its sender the device address.
    void logReceived(const QByteArray& data, const QHostAddress& sender, quint16 senderPort,
                     bool takeSenderAddress);
    // readInfo called from another thread runs again on the module's thread.
    bool requeueReadInfo(int cnt);

    QUdpSocket* m_socket = nullptr;
    quint32 m_hostNetmask;
    QHostAddress m_deviceIp;
    QByteArray m_lastSent;
    QByteArray m_receiveBuffer;
    int m_infoCount = 0;
    QByteArray m_lastReply;
    int m_currentCommand = 0;
    int m_udpPort = 0;
    QHostAddress m_ipAddress;
    QHostAddress m_gateway;
    QHostAddress m_netmask;
    int m_routingMode = 0;
    QHostAddress m_remoteIp;
    int m_port = 0;
    int m_remotePort = 0;
    int m_transportProtocol = 0;
    int m_baudrate = 0;
    ModuleData m_moduleData;
    QVariant m_pendingValue;
    QVector<QVariant> m_pendingValues;
    int m_requestTimer = 0;
    QHostAddress m_broadcastAddress{QHostAddress::Broadcast};
};

// The log name of a request id.
QString moduleCommandName(int command);
// Display texts of the search log: "server", "client", "server/client".
QString networkRoleText(int routingMode);
// "TCP", "UDP", or "fail".
QString transportProtocolText(int transportProtocol);
// Latin-1 text of a datagram up to its first zero byte.
QString datagramText(const QByteArray& datagram);

} // namespace Communication
} // namespace Common
