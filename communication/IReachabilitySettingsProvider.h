#pragma once

#include <QHostAddress>

namespace Common {
namespace Communication {

// The settings of a network module and of the PC side that decide whether
// the PC can open a TCP connection to the analyzer behind the module.
class IReachabilitySettingsProvider
{
public:
    virtual ~IReachabilitySettingsProvider() = default;
    virtual bool isDhcp() const = 0;
    virtual bool isAddressObtained() const = 0;
    // 1 server (the PC connects), anything else client (the module connects).
    virtual int routingMode() const = 0;
    // The module lies in the PC's subnet as the PC's netmask sees it.
    virtual bool isDeviceInHostSubnet() const = 0;
    // The PC lies in the module's subnet as the module's netmask sees it.
    virtual bool isHostInDeviceSubnet() const = 0;
    virtual QHostAddress remoteIp() const = 0;
    virtual QHostAddress hostIp() const = 0;
    virtual QHostAddress deviceIp() const = 0;
    // 1 TCP, 2 UDP.
    virtual int transportProtocol() const = 0;
    virtual int udpPort() const = 0;
};

} // namespace Communication
} // namespace Common
