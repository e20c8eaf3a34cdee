#pragma once

#include "communication/IReachabilitySettingsProvider.h"

#include <QHostAddress>

namespace Common {
namespace Communication {

// A network module's IP and TCP settings with the PC-side values needed to
// judge them. Travels by value inside DeviceConnectionInfo.
class DevNetworkInterface : public IReachabilitySettingsProvider
{
public:
    static constexpr int kTibboUdpPort = 65535;
    static constexpr int kEspUdpPort = 65534;
    static constexpr int kEspBroadcastUdpPort = 65533;

    bool isDhcp() const override { return m_dhcp; }
    bool isAddressObtained() const override { return m_addressObtained; }
    int routingMode() const override { return m_routingMode; }
    bool isDeviceInHostSubnet() const override;
    bool isHostInDeviceSubnet() const override;
    QHostAddress remoteIp() const override { return m_remoteIp; }
    QHostAddress hostIp() const override { return m_hostIp; }
    QHostAddress deviceIp() const override { return m_deviceIp; }
    int transportProtocol() const override { return m_transportProtocol; }
    int udpPort() const override { return m_udpPort; }

    quint32 hostNetmask() const { return m_hostNetmask; }
    int port() const { return m_port; }
    QHostAddress netmask() const { return m_netmask; }
    QHostAddress gateway() const { return m_gateway; }
    quint64 mac() const { return m_intmac; }
    bool isValid() const { return m_valid; }
    bool isServerRouting() const { return m_routingMode == 1; }
    bool isEspBroadcastPort() const { return m_udpPort == kEspBroadcastUdpPort; }

    void setDhcp(bool dhcp) { m_dhcp = dhcp; }
    void setAddressObtained(bool obtained) { m_addressObtained = obtained; }
    void setRoutingMode(qint32 mode) { m_routingMode = mode; }
    void setTransportProtocol(qint32 protocol) { m_transportProtocol = protocol; }
    void setHostNetmask(quint32 netmask) { m_hostNetmask = netmask; }
    void setUdpPort(qint32 port) { m_udpPort = port; }
    void setPort(qint32 port) { m_port = port; }
    void setHostIp(const QHostAddress& address) { m_hostIp = address; }
    void setDeviceIp(const QHostAddress& address) { m_deviceIp = address; }
    void setRemoteIp(const QHostAddress& address) { m_remoteIp = address; }
    void setNetmask(const QHostAddress& address) { m_netmask = address; }
    void setGateway(const QHostAddress& address) { m_gateway = address; }
    void setMac(quint64 mac) { m_intmac = mac; }
    void setValid(bool valid) { m_valid = valid; }

    // Whether the settings read back from a module are the ones asked for:
    // the address part only with DHCP off, the remote IP only in client mode.
    bool sameSettings(const DevNetworkInterface& other) const;
    bool sameIpConfig(const DevNetworkInterface& other) const;
    bool sameTcpConfig(const DevNetworkInterface& other) const;

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

// The IPv4 number of an address; 0 for a null or non-IPv4 address.
quint32 ipv4Number(const QHostAddress& address);

} // namespace Communication
} // namespace Common
