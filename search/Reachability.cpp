#include "search/Reachability.h"

#include "communication/IOInterfaceModule.h"
#include "communication/IReachabilitySettingsProvider.h"
#include "search/UnreachableTrProvider.h"

namespace Common {
namespace Communication {

namespace {

class ModuleSettings : public IReachabilitySettingsProvider
{
public:
    explicit ModuleSettings(const IOInterfaceModule& module) : m_module(module) { }
    bool isDhcp() const override { return m_module.isDhcp(); }
    bool isAddressObtained() const override { return m_module.isAddressObtained(); }
    int routingMode() const override { return m_module.routingMode(); }
    bool isDeviceInHostSubnet() const override { return m_module.isDeviceInHostSubnet(); }
    bool isHostInDeviceSubnet() const override { return m_module.isHostInDeviceSubnet(); }
    QHostAddress remoteIp() const override { return m_module.remoteIp(); }
    QHostAddress hostIp() const override { return m_module.hostIp(); }
    QHostAddress deviceIp() const override { return m_module.deviceIp(); }
    int transportProtocol() const override { return m_module.transportProtocol(); }
    int udpPort() const override { return m_module.udpPort(); }

private:
    const IOInterfaceModule& m_module;
};

} // namespace

QVector<int> reachabilityReasons(const IReachabilitySettingsProvider& settings)
{
    using Tr = UnreachableTrProvider;
    QVector<int> reasons;
    const bool dhcp = settings.isDhcp();
    if (dhcp && !settings.isAddressObtained()) {
        // Without an address there is nothing to judge the subnets by.
        reasons.append(Tr::NoDhcpAddress);
    } else if (settings.routingMode() != 1) {
        // Client: the module must reach the PC.
        if (!settings.isHostInDeviceSubnet() || !settings.isDeviceInHostSubnet())
            reasons.append(dhcp ? Tr::DhcpCannotReachPc : Tr::CannotReachPc);
        if (settings.remoteIp() != settings.hostIp())
            reasons.append(Tr::WrongRemoteIp);
    } else if (!settings.isDeviceInHostSubnet()) {
        // Server: the PC must reach the module.
        reasons.append(dhcp ? Tr::DhcpAddressOutsideSubnet : Tr::AddressOutsideSubnet);
    }
    if (settings.transportProtocol() != 1)
        reasons.append(Tr::WrongTransport);
    return reasons;
}

QVector<int> moduleReachabilityReasons(const IOInterfaceModule& module)
{
    return reachabilityReasons(ModuleSettings(module));
}

QString firstReasonText(const QVector<int>& reasons)
{
    return reasons.isEmpty() ? QString() : UnreachableTrProvider::reasonText(reasons.first());
}

} // namespace Communication
} // namespace Common
