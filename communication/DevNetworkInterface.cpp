#include "communication/DevNetworkInterface.h"

namespace Common {
namespace Communication {

quint32 ipv4Number(const QHostAddress& address)
{
    bool ok = false;
    const quint32 number = address.toIPv4Address(&ok);
    return ok ? number : 0;
}

bool DevNetworkInterface::isDeviceInHostSubnet() const
{
    return ((ipv4Number(m_hostIp) ^ ipv4Number(m_deviceIp)) & m_hostNetmask) == 0;
}

bool DevNetworkInterface::isHostInDeviceSubnet() const
{
    const quint32 mask = ipv4Number(m_netmask);
    return (ipv4Number(m_hostIp) & mask) == (ipv4Number(m_deviceIp) & mask);
}

bool DevNetworkInterface::sameSettings(const DevNetworkInterface& other) const
{
    return sameIpConfig(other) && sameTcpConfig(other);
}

bool DevNetworkInterface::sameIpConfig(const DevNetworkInterface& other) const
{
    if (m_dhcp != other.m_dhcp)
        return false;
    return m_dhcp
           || (m_deviceIp == other.m_deviceIp && m_netmask == other.m_netmask
               && m_gateway == other.m_gateway);
}

bool DevNetworkInterface::sameTcpConfig(const DevNetworkInterface& other) const
{
    if (m_routingMode != other.m_routingMode || m_port != other.m_port)
        return false;
    return m_routingMode != 2 || m_remoteIp == other.m_remoteIp;
}

} // namespace Communication
} // namespace Common
