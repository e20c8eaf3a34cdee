#include "communication/ConnectionInfo.h"

#include <QCoreApplication>

namespace Common {
namespace Communication {

void NetworkConnectionPart::setClient(const QHostAddress& deviceAddress,
                                      const QHostAddress& localAddress, int port)
{
    m_kind = Client;
    m_deviceAddress = deviceAddress;
    m_localAddress = localAddress;
    m_port = port;
}

void NetworkConnectionPart::setServer(const QHostAddress& address, int port, quint64 mac)
{
    m_kind = Server;
    m_address = address;
    m_port = port;
    m_mac = mac;
}

bool NetworkConnectionPart::operator==(const NetworkConnectionPart& other) const
{
    if (m_kind != other.m_kind || m_port != other.m_port)
        return false;
    if (m_kind == Client)
        return m_deviceAddress == other.m_deviceAddress && m_localAddress == other.m_localAddress;
    return m_address == other.m_address && m_mac == other.m_mac;
}

void ConnectionInfo::setSerialPart(const SerialConnectionPart& part)
{
    m_serial = part;
    m_serialSet = true;
}

void ConnectionInfo::setNetworkPart(const NetworkConnectionPart& part)
{
    m_network = part;
    m_networkSet = true;
}

QString ConnectionInfo::toDisplayString() const
{
    if (m_serialSet)
        return QStringLiteral("%1 (%2,%3)")
            .arg(m_serial.portName, m_serial.description)
            .arg(m_serial.baudRate);
    if (m_networkSet) {
        if (m_network.isClient())
            return QStringLiteral("LAN (%1,%2)")
                .arg(m_network.deviceAddress().toString())
                .arg(m_network.port());
        return QStringLiteral("LAN Server (%1,%2)")
            .arg(m_network.address().toString())
            .arg(m_network.port());
    }
    return QCoreApplication::translate("Common::Communication::ConnectionInfo", "No interface");
}

bool ConnectionInfo::operator==(const ConnectionInfo& other) const
{
    if (m_serialSet && other.m_serialSet && m_serial.portName == other.m_serial.portName
        && m_serial.baudRate == other.m_serial.baudRate)
        return true;
    return m_networkSet && other.m_networkSet && m_network == other.m_network;
}

} // namespace Communication
} // namespace Common
