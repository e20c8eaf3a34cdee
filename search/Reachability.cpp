#include "search/Reachability.h"

#include "communication/IReachabilitySettingsProvider.h"
#include "search/UnreachableTrProvider.h"

namespace Common {
namespace Communication {

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

QString firstReasonText(const QVector<int>& reasons)
{
    return reasons.isEmpty() ? QString() : UnreachableTrProvider::reasonText(reasons.first());
}

} // namespace Communication
} // namespace Common
