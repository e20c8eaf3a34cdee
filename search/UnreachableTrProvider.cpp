#include "search/UnreachableTrProvider.h"

namespace Common {
namespace Communication {

QString UnreachableTrProvider::reasonText(int code)
{
    switch (code) {
    case NoDhcpAddress: return tr("Device not reachable (address not obtained from DHCP server)");
    case DhcpAddressOutsideSubnet:
        return tr("Device not reachable (address obtained from DHCP not in local subnet)");
    case AddressOutsideSubnet:
        return tr("Device not reachable (address set in device not in local subnet)");
    case DhcpCannotReachPc:
        return tr("Device not reachable (DHCP device can not reach comp (wrong subnet))");
    case CannotReachPc:
        return tr("Device not reachable (device can not reach comp (wrong subnet))");
    case WrongRemoteIp:
        return tr("Device not reachable (device can not reach comp (wrong remote ip setting))");
    case WrongTransport: return tr("Device not reachable (wrong transport protocol setting)");
    default: return tr("Unknown reason");
    }
}

} // namespace Communication
} // namespace Common
