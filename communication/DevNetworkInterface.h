#pragma once

#include <QHostAddress>

namespace Common {
namespace Communication {

// A network module's IP and TCP settings with the PC-side values needed to
// judge them. Travels by value inside DeviceConnectionInfo.
class DevNetworkInterface
{
public:
    bool isValid() const { return m_valid; }

private:
    bool m_dhcp = false;
    bool m_addressObtained = false;
    qint32 m_routingMode = 0;
    qint32 m_transportProtocol = 0;
    quint32 m_hostNetmask = 0;
    qint32 m_udpPort = 0;
    qint32 m_port = 0;
    QHostAddress m_hostIp;
    QHostAddress m_deviceIp;
    QHostAddress m_remoteIp;
    QHostAddress m_netmask;
    QHostAddress m_gateway;
    quint64 m_intmac = 0;
    bool m_valid = false;
};

} // namespace Communication
} // namespace Common
