#include "communication/CTibbo.h"

#include "communication/MacConversions.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

#include <iterator>

namespace Common {
namespace Communication {

namespace {

const int baudrateTable[] = {1200,  2400,   4800, 9600, 19200, 38400,
                             57600, 115200, 150,  300,  600,   28800};

QByteArray number(int value) { return QByteArray::number(value); }

bool isDottedAddress(const QByteArray& buffer) { return buffer.split('.').size() == 4; }

} // namespace

CTibbo::CTibbo(const QHostAddress& localAddress, quint32 hostNetmask, quint64 mac,
               const QHostAddress& deviceIp, QObject* parent)
    : CInterfaceModule(hostNetmask, mac, deviceIp, parent), m_localAddress(localAddress)
{
    m_socket = new QUdpSocket(this);
    m_moduleData.id = dottedMacFromU64(mac);
    connect(m_socket, &QUdpSocket::readyRead, this, &CTibbo::onReadyRead);
    m_socket->bind(localAddress, 0);
    m_udpPort = Port;
}

CInterfaceModule* CTibbo::clone(QObject* parent) const
{
    auto* copy = new CTibbo(m_localAddress, m_hostNetmask, m_moduleData.mac, m_deviceIp, parent);
    copy->copyModuleData(*this);
    return copy;
}

int CTibbo::baudrateCode(int baudrate)
{
    for (int code = 0; code < int(std::size(baudrateTable)); ++code) {
        if (baudrateTable[code] == baudrate)
            return code;
    }
    return -1;
}

int CTibbo::baudrateFromCode(int code)
{
    return code >= 0 && code < int(std::size(baudrateTable)) ? baudrateTable[code] : 0;
}

void CTibbo::set(const QByteArray& datagram, int command, const QVariant& pending)
{
    m_pendingValue = pending;
    sendDatagram(datagram, command, false, DefaultTimeout);
}

void CTibbo::next(const QByteArray& datagram)
{
    sendDatagram(datagram, CommandKeep, false, DefaultTimeout);
}

void CTibbo::waitForMore() { startRequestTimer(DefaultTimeout); }

void CTibbo::readStatus() { set("X", CommandGetStatus, QVariant()); }

void CTibbo::selectModule()
{
    m_pendingValue = QVariant();
    sendDatagram("W" + m_moduleData.id, CommandSelectModule, true, DefaultTimeout);
}

void CTibbo::readInfo(int cnt)
{
    if (requeueReadInfo(cnt))
        return;
    m_infoCount = cnt;
    m_pendingValue = QVariant();
    if (isDeviceInHostSubnet())
        sendDatagram("L", CommandGetInfo, false, DefaultTimeout);
    else
        sendDatagram("W" + m_moduleData.id, CommandGetInfo, true, DefaultTimeout);
}

void CTibbo::setDhcp(bool dhcp) { set(dhcp ? "SDH1" : "SDH0", CommandSetDhcp, dhcp); }

void CTibbo::setIP(QHostAddress ip)
{
    set("SIP" + ip.toString().toLatin1(), CommandSetIp, ip.toString());
}

void CTibbo::setGateway(QHostAddress gateway_ip)
{
    set("SGI" + gateway_ip.toString().toLatin1(), CommandSetGateway, gateway_ip.toString());
}

void CTibbo::setNetmask(QHostAddress netmask)
{
    set("SNM" + netmask.toString().toLatin1(), CommandSetNetmask, netmask.toString());
}

void CTibbo::setIPLayer(bool dhcp, QHostAddress ip, QHostAddress gateway_ip, QHostAddress netmask)
{
    m_layerIp = ip;
    m_layerGateway = gateway_ip;
    m_layerNetmask = netmask;
    set(dhcp ? "SDH1" : "SDH0", CommandSetIpLayer, dhcp);
}

void CTibbo::setRoutingMode(int routing_mode)
{
    set(routing_mode == 2 ? "SRM2" : "SRM0", CommandSetRoutingMode, routing_mode);
}

void CTibbo::setRemoteIP(QHostAddress ip)
{
    set("SDI" + ip.toString().toLatin1(), CommandSetRemoteIp, ip.toString());
}

void CTibbo::setPort(int port) { set("SPN" + number(port), CommandSetPort, port); }

void CTibbo::setRemotePort(int remote_port)
{
    set("SDP" + number(remote_port), CommandSetRemotePort, remote_port);
}

void CTibbo::startClientServer()
{
    // A Tibbo module serves or connects by itself once configured.
    replyOk();
}

void CTibbo::setProtocol(int transport_protocol)
{
    set(transport_protocol == 2 ? "STP0" : "STP1", CommandSetTransportProtocol, transport_protocol);
}

void CTibbo::setBaudrate(int baudrate)
{
    int code = baudrateCode(baudrate);
    if (code < 0)
        code = baudrateCode(115200);
    set("SBR" + number(code), CommandSetBaudrate, baudrate);
}

void CTibbo::reboot() { set("E", CommandReboot, QVariant()); }

ModuleData CTibbo::parseReply(const QByteArray& reply)
{
    const QList<QByteArray> fields = reply.split('/');
    ModuleData data;
    data.id = fields.value(0).mid(1);
    data.mac = dottedMacToU64(data.id);
    const QByteArray flags = fields.value(2);
    if (flags.size() >= 4) {
        switch (flags.at(3)) {
        case 'I':
            data.dhcp = true;
            data.addressObtained = true;
            break;
        case '*': data.dhcp = true; break;
        default: break;
        }
    }
    return data;
}

void CTibbo::onReadyRead()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        m_receiveBuffer += datagram.data();
        logReceived(datagram.data(), datagram.senderAddress(), quint16(datagram.senderPort()),
                    true);
    }
    if (!isRequestPending())
        return;
    stopRequestTimer();
    if (m_currentCommand == CommandTestDatagram) {
        replyOk();
        return;
    }
    if (!m_receiveBuffer.startsWith('A')) {
        replyFailed();
        return;
    }
    switch (m_currentCommand) {
    case CommandGetStatus:
        // A status reply has exactly five "/"; anything else is not one.
        if (m_receiveBuffer.count('/') == 5) {
            m_moduleData = parseModuleData(m_receiveBuffer);
            replyOk();
        } else {
            waitForMore();
        }
        return;
    case CommandSelectModule: replyOk(); return;
    case CommandGetInfo: readConfigurationStep(); return;
    case CommandSetIpLayer: ipLayerStep(); return;
    default: applyPendingValue(); return;
    }
}

void CTibbo::readConfigurationStep()
{
    const QByteArray value = m_receiveBuffer.mid(1);
    const QByteArray sent = m_lastSent;
    bool ok = false;
    if (sent.startsWith('W')) {
        next("L");
    } else if (sent == "L") {
        next("GDH");
    } else if (sent == "GDH") {
        if (m_receiveBuffer.size() < 2)
            return waitForMore();
        m_moduleData.dhcp = m_receiveBuffer.at(1) == '1';
        next("GIP");
    } else if (sent == "GIP" || sent == "GGI" || sent == "GNM" || sent == "GDI") {
        if (!isDottedAddress(m_receiveBuffer))
            return waitForMore();
        const QHostAddress address(QString::fromLatin1(value));
        if (sent == "GIP") {
            m_ipAddress = address;
            next("GGI");
        } else if (sent == "GGI") {
            m_gateway = address;
            next("GNM");
        } else if (sent == "GNM") {
            m_netmask = address;
            next("GRM");
        } else {
            m_remoteIp = address;
            next("GPN");
        }
    } else if (sent == "GRM") {
        const int mode = value.toInt();
        if (mode > 2)
            return replyFailed();
        m_routingMode = mode == 2 ? 2 : 1;
        next("GDI");
    } else if (sent == "GPN" || sent == "GDP") {
        const int port = value.toInt(&ok);
        if (!ok || port == 0)
            return replyFailed();
        if (sent == "GPN") {
            m_port = port;
            next("GDP");
        } else {
            m_remotePort = port;
            next("GTP");
        }
    } else if (sent == "GTP") {
        const int transport = value.toInt();
        if (transport > 1)
            return replyFailed();
        m_transportProtocol = transport == 0 ? 2 : 1;
        next("GBR");
    } else if (sent == "GBR") {
        const int rate = baudrateFromCode(value.toInt(&ok));
        if (!ok || rate < 1)
            return replyFailed();
        m_baudrate = rate;
        replyInfo();
    }
}

void CTibbo::ipLayerStep()
{
    const QByteArray sent = m_lastSent;
    if (sent.contains("SDH")) {
        m_moduleData.dhcp = m_pendingValue.toBool();
        if (m_moduleData.dhcp)
            return replyOk();
        m_pendingValue = m_layerIp.toString();
        next("SIP" + m_layerIp.toString().toLatin1());
    } else if (sent.contains("SIP")) {
        m_ipAddress = QHostAddress(m_pendingValue.toString());
        m_pendingValue = m_layerGateway.toString();
        next("SGI" + m_layerGateway.toString().toLatin1());
    } else if (sent.contains("SGI")) {
        m_gateway = QHostAddress(m_pendingValue.toString());
        m_pendingValue = m_layerNetmask.toString();
        next("SNM" + m_layerNetmask.toString().toLatin1());
    } else if (sent.contains("SNM")) {
        m_netmask = QHostAddress(m_pendingValue.toString());
        replyOk();
    }
}

void CTibbo::applyPendingValue()
{
    switch (m_currentCommand) {
    case CommandSetDhcp: m_moduleData.dhcp = m_pendingValue.toBool(); break;
    case CommandSetIp: m_ipAddress = QHostAddress(m_pendingValue.toString()); break;
    case CommandSetGateway: m_gateway = QHostAddress(m_pendingValue.toString()); break;
    case CommandSetNetmask: m_netmask = QHostAddress(m_pendingValue.toString()); break;
    case CommandSetRoutingMode: m_routingMode = m_pendingValue.toInt(); break;
    case CommandSetRemoteIp: m_remoteIp = QHostAddress(m_pendingValue.toString()); break;
    case CommandSetPort: m_port = m_pendingValue.toInt(); break;
    case CommandSetRemotePort: m_remotePort = m_pendingValue.toInt(); break;
    case CommandSetTransportProtocol: m_transportProtocol = m_pendingValue.toInt(); break;
    case CommandSetBaudrate: m_baudrate = m_pendingValue.toInt(); break;
    case CommandReboot: break;
    default: return;
    }
    replyOk();
}

} // namespace Communication
} // namespace Common
