#include "communication/NESP.h"

#include "communication/MacConversions.h"

#include <QNetworkDatagram>
#include <QStringList>
#include <QUdpSocket>

namespace Common {
namespace Communication {

namespace {

QByteArray ipConfigDatagram(bool dhcp, const QHostAddress& ip, const QHostAddress& gateway,
                            const QHostAddress& netmask)
{
    return QStringLiteral("AT+ASTAIPCONFIG=%1,%2,%3,%4\r\n")
        .arg(dhcp ? "2" : "1", ip.toString(), gateway.toString(), netmask.toString())
        .toLatin1();
}

QByteArray tcpConfigDatagram(int routingMode, int port, const QHostAddress& remoteIp)
{
    return QStringLiteral("AT+ATCPCONFIG=%1,%2,%3,1\r\n")
        .arg(routingMode == 1 ? "2" : "1", QString::number(port), remoteIp.toString())
        .toLatin1();
}

} // namespace

NESP::NESP(const QHostAddress& localAddress, quint32 hostNetmask, quint64 mac,
           const QHostAddress& deviceIp, bool broadcastMode, QObject* parent)
    : CInterfaceModule(hostNetmask, mac, deviceIp, parent), m_broadcastMode(broadcastMode)
{
    m_socket = new QUdpSocket(this);
    connect(m_socket, &QUdpSocket::readyRead, this, &NESP::onReadyRead);
    m_socket->bind(localAddress, 0);
    m_udpPort = broadcastMode ? BroadcastPort : Port;
    m_moduleData.id = broadcastMode ? macToUpperText(mac) : macToText(mac);
    m_transportProtocol = 1;
    m_baudrate = 115200;
}

void NESP::send(const QByteArray& datagram, int command, bool forceBroadcast)
{
    // Text of an earlier request (a late reply) must not be read as this one's.
    m_received.clear();
    m_awaitingReply = true;
    sendDatagram(datagram, command, forceBroadcast, DefaultTimeout);
}

void NESP::readStatus() { send("AT+ASTATUS?\r\n", CommandGetStatus); }

void NESP::selectModule()
{
    send("AT+ASELECT=" + m_moduleData.id + "\r\n", CommandSelectModule, true);
}

void NESP::readInfo(int cnt)
{
    if (requeueReadInfo(cnt))
        return;
    m_infoCount = cnt;
    m_pendingValue = QVariant();
    if (isDeviceInHostSubnet())
        send("AT+ACONFIG?\r\n", CommandGetInfo);
    else
        send("AT+ASELECT=" + m_moduleData.id + "\r\n", CommandGetInfo, true);
}

void NESP::sendIpConfig(int command, bool dhcp, const QHostAddress& ip, const QHostAddress& gateway,
                        const QHostAddress& netmask)
{
    send(ipConfigDatagram(dhcp, ip, gateway, netmask), command);
}

void NESP::sendTcpConfig(int command, int routingMode, int port, const QHostAddress& remoteIp)
{
    send(tcpConfigDatagram(routingMode, port, remoteIp), command);
}

void NESP::setDhcp(bool dhcp)
{
    m_pendingValue = dhcp;
    sendIpConfig(CommandSetDhcp, dhcp, m_deviceIp, m_gateway, m_netmask);
}

void NESP::setIP(QHostAddress ip)
{
    m_pendingValue = ip.toString();
    sendIpConfig(CommandSetIp, isDhcp(), ip, m_gateway, m_netmask);
}

void NESP::setGateway(QHostAddress gateway_ip)
{
    m_pendingValue = gateway_ip.toString();
    sendIpConfig(CommandSetGateway, isDhcp(), m_deviceIp, gateway_ip, m_netmask);
}

void NESP::setNetmask(QHostAddress netmask)
{
    m_pendingValue = netmask.toString();
    sendIpConfig(CommandSetNetmask, isDhcp(), m_deviceIp, m_gateway, netmask);
}

void NESP::setIPLayer(bool dhcp, QHostAddress ip, QHostAddress gateway_ip, QHostAddress netmask)
{
    m_pendingValue =
        QStringList{dhcp ? "2" : "1", ip.toString(), gateway_ip.toString(), netmask.toString()};
    sendIpConfig(CommandSetIpLayer, dhcp, ip, gateway_ip, netmask);
}

void NESP::setRoutingMode(int routing_mode)
{
    m_pendingValue = routing_mode;
    sendTcpConfig(CommandSetRoutingMode, routing_mode, m_port, m_remoteIp);
}

void NESP::setRemoteIP(QHostAddress ip)
{
    m_pendingValue = ip.toString();
    sendTcpConfig(CommandSetRemoteIp, m_routingMode, m_port, ip);
}

void NESP::setPort(int port)
{
    m_pendingValue = port;
    sendTcpConfig(CommandSetPort, m_routingMode, port, m_remoteIp);
}

void NESP::setRemotePort(int remote_port)
{
    m_pendingValue = remote_port;
    sendTcpConfig(CommandSetRemotePort, m_routingMode, remote_port, m_remoteIp);
}

void NESP::startClientServer()
{
    m_pendingValue = QVariant();
    send("AT+ATCPSTART\r\n", CommandStartClientServer);
}

void NESP::setTcpSettings(bool isServer, int port, QHostAddress remoteIp)
{
    const int routingMode = isServer ? 1 : 2;
    m_pendingValues = {routingMode, port, remoteIp.toIPv4Address()};
    sendTcpConfig(CommandSetTcpSettings, routingMode, port, remoteIp);
}

ModuleData NESP::parseReply(const QByteArray& reply)
{
    const QList<QByteArray> fields = reply.split(',');
    ModuleData data;
    data.id = fields.value(0);
    data.mac = macTextToU64(data.id);
    const QByteArray flags = fields.value(1);
    if (flags.startsWith('2')) {
        data.dhcp = true;
    } else if (flags.startsWith('3')) {
        data.dhcp = true;
        data.addressObtained = true;
    }
    return data;
}

void NESP::onReadyRead()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        const QByteArray data = datagram.data();
        const bool configurationRead =
            m_currentCommand == CommandGetInfo && m_lastSent.contains("AT+ACONFIG?");
        logReceived(data, datagram.senderAddress(), quint16(datagram.senderPort()),
                    !configurationRead);
        // Text that comes while nothing is asked is a late reply to an ended
        // request; it must not be taken for the next request's reply.
        if (isRequestPending())
            m_received += datagramText(data);
    }
    if (isRequestPending())
        m_splitter.process(m_received);
}

void NESP::onLine(QString line)
{
    if (!m_awaitingReply || !isRequestPending())
        return;
    m_awaitingReply = false;
    m_receiveBuffer = line.toLatin1();
    switch (m_currentCommand) {
    case CommandTestDatagram:
        stopRequestTimer();
        replyOk();
        return;
    case CommandGetStatus:
        if (line.count(',') != 1) {
            // Not a status line: the request goes on until its time-out.
            m_awaitingReply = true;
            return;
        }
        m_moduleData = parseModuleData(line.toLatin1());
        stopRequestTimer();
        replyOk();
        return;
    case CommandGetInfo:
        if (m_lastSent.contains("AT+ASELECT")) {
            if (line == QLatin1String("OK")) {
                m_awaitingReply = true;
                m_received.clear();
                sendDatagram("AT+ACONFIG?\r\n", CommandKeep, false, DefaultTimeout);
            } else {
                stopRequestTimer();
                replyFailed();
            }
            return;
        }
        if (readConfigurationLine(line)) {
            stopRequestTimer();
            replyInfo();
        } else {
            m_awaitingReply = true;
        }
        return;
    default:
        stopRequestTimer();
        if (line.contains(QLatin1String("OK")))
            applyPendingValue();
        else
            replyFailed();
        return;
    }
}

// True when the line was this module's configuration and has been taken;
// other lines leave the request waiting for the right one or its time-out.
bool NESP::readConfigurationLine(const QString& line)
{
    const QStringList fields = line.split(',');
    if (fields.size() != 10 || QHostAddress(fields.at(4)) != m_deviceIp)
        return false;
    const QString dhcp = fields.at(3);
    if (!dhcp.isEmpty()) {
        if (dhcp.startsWith('1'))
            m_moduleData.dhcp = false;
        else if (dhcp.startsWith('2'))
            m_moduleData.dhcp = true;
        m_moduleData.addressObtained = true;
    }
    m_ipAddress = QHostAddress(fields.at(4));
    m_gateway = QHostAddress(fields.at(5));
    m_netmask = QHostAddress(fields.at(6));
    m_routingMode = fields.at(7).toInt() == 1 ? 2 : 1;
    m_remoteIp = QHostAddress(fields.at(8));
    m_port = m_remotePort = fields.at(9).toInt();
    return true;
}

void NESP::applyPendingValue()
{
    switch (m_currentCommand) {
    case CommandSetDhcp: m_moduleData.dhcp = m_pendingValue.toBool(); break;
    case CommandSetIp:
        m_ipAddress = QHostAddress(m_pendingValue.toString());
        m_deviceIp = m_ipAddress;
        break;
    case CommandSetGateway: m_gateway = QHostAddress(m_pendingValue.toString()); break;
    case CommandSetNetmask: m_netmask = QHostAddress(m_pendingValue.toString()); break;
    case CommandSetIpLayer: {
        const QStringList values = m_pendingValue.toStringList();
        if (values.size() == 4) {
            m_moduleData.dhcp = values.at(0) == QLatin1String("2");
            m_ipAddress = QHostAddress(values.at(1));
            m_gateway = QHostAddress(values.at(2));
            m_netmask = QHostAddress(values.at(3));
            m_deviceIp = m_ipAddress;
        }
        break;
    }
    case CommandSetRoutingMode: m_routingMode = m_pendingValue.toInt(); break;
    case CommandSetRemoteIp: m_remoteIp = QHostAddress(m_pendingValue.toString()); break;
    case CommandSetPort: m_port = m_pendingValue.toInt(); break;
    case CommandSetRemotePort: m_remotePort = m_pendingValue.toInt(); break;
    case CommandSetTcpSettings:
        if (m_pendingValues.size() < 3) {
            replyFailed();
            return;
        }
        m_routingMode = m_pendingValues.at(0).toInt();
        m_port = m_pendingValues.at(1).toInt();
        m_remoteIp = QHostAddress(m_pendingValues.at(2).toUInt());
        break;
    default: break;
    }
    replyOk();
}

} // namespace Communication
} // namespace Common
