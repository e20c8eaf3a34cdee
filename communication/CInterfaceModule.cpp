#include "communication/CInterfaceModule.h"

#include <QDateTime>
#include <QThread>
#include <QTimerEvent>
#include <QUdpSocket>

namespace Common {
namespace Communication {

CInterfaceModule::CInterfaceModule(quint32 hostNetmask, quint64 mac, const QHostAddress& deviceIp,
                                   QObject* parent)
    : IOInterfaceModule(parent), m_hostNetmask(hostNetmask), m_deviceIp(deviceIp)
{
    m_moduleData.mac = mac;
}

bool CInterfaceModule::isDeviceInHostSubnet() const
{
    return (hostIp().toIPv4Address() & m_hostNetmask)
           == (m_deviceIp.toIPv4Address() & m_hostNetmask);
}

bool CInterfaceModule::isHostInDeviceSubnet() const
{
    const quint32 mask = m_netmask.toIPv4Address();
    return (hostIp().toIPv4Address() & mask) == (m_deviceIp.toIPv4Address() & mask);
}

QHostAddress CInterfaceModule::hostIp() const
{
    return m_socket ? m_socket->localAddress() : QHostAddress();
}

void CInterfaceModule::setFlags(bool dhcp, bool addressObtained)
{
    m_moduleData.dhcp = dhcp;
    m_moduleData.addressObtained = addressObtained;
}

void CInterfaceModule::copyModuleData(const CInterfaceModule& other)
{
    m_ipAddress = other.m_ipAddress;
    m_gateway = other.m_gateway;
    m_netmask = other.m_netmask;
    m_routingMode = other.m_routingMode;
    m_remoteIp = other.m_remoteIp;
    m_port = other.m_port;
    m_remotePort = other.m_remotePort;
    m_transportProtocol = other.m_transportProtocol;
    m_baudrate = other.m_baudrate;
    m_moduleData = other.m_moduleData;
    m_udpPort = other.m_udpPort;
    m_broadcastAddress = other.m_broadcastAddress;
}

void CInterfaceModule::sendDatagram(QByteArray datagram, int command, bool force_broadcast,
                                    int timeout_ms)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this,
            [this, datagram, command, force_broadcast, timeout_ms] {
                sendDatagram(datagram, command, force_broadcast, timeout_ms);
            },
            Qt::QueuedConnection);
        return;
    }
    m_receiveBuffer.clear();
    if (command != CommandKeep)
        m_currentCommand = command;
    m_lastSent = datagram;
    const bool unicast = !force_broadcast && isDeviceInHostSubnet();
    const QHostAddress destination = unicast ? m_deviceIp : m_broadcastAddress;
    const QString where = (unicast ? m_deviceIp.toString() + "," : QStringLiteral("BROADCAST,"))
                          + QString::number(m_udpPort);
    emit newOutLog(VornLogRecord(where, QDateTime::currentDateTime(), datagramText(datagram)));
    if (m_socket)
        m_socket->writeDatagram(datagram, destination, quint16(m_udpPort));
    startRequestTimer(timeout_ms);
}

void CInterfaceModule::startRequestTimer(int timeout_ms)
{
    m_receiveBuffer.clear();
    if (m_requestTimer != 0)
        killTimer(m_requestTimer);
    m_requestTimer = startTimer(timeout_ms, Qt::CoarseTimer);
}

void CInterfaceModule::stopRequestTimer()
{
    if (m_requestTimer != 0)
        killTimer(m_requestTimer);
    m_requestTimer = 0;
}

void CInterfaceModule::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_requestTimer || m_requestTimer == 0) {
        IOInterfaceModule::timerEvent(event);
        return;
    }
    stopRequestTimer();
    replyTimeout();
}

void CInterfaceModule::replyInfo()
{
    m_lastReply = m_receiveBuffer;
    emit infoReady();
}

void CInterfaceModule::replyOk()
{
    m_lastReply = m_receiveBuffer;
    emit commandOk();
}

void CInterfaceModule::replyFailed()
{
    m_lastReply = m_receiveBuffer;
    emit commandFailed();
}

void CInterfaceModule::replyTimeout()
{
    m_lastReply = m_receiveBuffer;
    emit commandTimeout();
}

void CInterfaceModule::logReceived(const QByteArray& data, const QHostAddress& sender,
                                   quint16 senderPort, bool takeSenderAddress)
{
    if (takeSenderAddress)
        m_deviceIp = sender;
    emit newInLog(VornLogRecord(m_deviceIp.toString() + "," + QString::number(senderPort),
                                QDateTime::currentDateTime(), datagramText(data)));
}

bool CInterfaceModule::requeueReadInfo(int cnt)
{
    if (QThread::currentThread() == thread())
        return false;
    QMetaObject::invokeMethod(
        this, [this, cnt] { readInfo(cnt); }, Qt::QueuedConnection);
    return true;
}

QString moduleCommandName(int command)
{
    switch (command) {
    case CommandGetStatus: return QStringLiteral("COMMAND_GET_STATUS");
    case CommandSelectModule: return QStringLiteral("COMMAND_SELECT_MODULE");
    case CommandGetInfo: return QStringLiteral("COMMAND_GET_INFO");
    case CommandSetDhcp: return QStringLiteral("COMMAND_SET_DHCP");
    case CommandSetIp: return QStringLiteral("COMMAND_SET_IP");
    case CommandSetGateway: return QStringLiteral("COMMAND_SET_GATEWAY");
    case CommandSetNetmask: return QStringLiteral("COMMAND_SET_NETMASK");
    case CommandSetIpLayer: return QStringLiteral("COMMAND_SET_IP_LAYER");
    case CommandSetRoutingMode: return QStringLiteral("COMMAND_SET_ROUTING_MODE");
    case CommandSetRemoteIp: return QStringLiteral("COMMAND_SET_REMOTE_IP");
    case CommandSetPort: return QStringLiteral("COMMAND_SET_PORT");
    case CommandSetRemotePort: return QStringLiteral("COMMAND_SET_REMOTE_PORT");
    case CommandStartClientServer: return QStringLiteral("COMMAND_START_CLIENT_SERVER");
    case CommandSetTransportProtocol: return QStringLiteral("COMMAND_SET_TRANSPORT_PROTOCOL");
    case CommandSetBaudrate: return QStringLiteral("COMMAND_SET_BAUDRATE");
    case CommandReboot: return QStringLiteral("COMMAND_REBOOT");
    case CommandTestDatagram: return QStringLiteral("COMMAND_TEST_DATAGRAM");
    default: return QStringLiteral("COMMAND_UNKNOWN");
    }
}

QString networkRoleText(int routingMode)
{
    switch (routingMode) {
    case 1: return QStringLiteral("server");
    case 2: return QStringLiteral("client");
    default: return QStringLiteral("server/client");
    }
}

QString transportProtocolText(int transportProtocol)
{
    switch (transportProtocol) {
    case 1: return QStringLiteral("TCP");
    case 2: return QStringLiteral("UDP");
    default: return QStringLiteral("fail");
    }
}

QString datagramText(const QByteArray& datagram)
{
    const int end = datagram.indexOf('\0');
    return QString::fromLatin1(end < 0 ? datagram : datagram.left(end));
}

} // namespace Communication
} // namespace Common
