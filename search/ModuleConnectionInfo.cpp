#include "search/ModuleConnectionInfo.h"

#include "communication/DevNetworkInterface.h"

namespace Common {
namespace Communication {

ConnectionInfo makeConnectionInfo(const DevNetworkInterface& settings)
{
    NetworkConnectionPart part;
    if (settings.isServerRouting())
        part.setClient(settings.deviceIp(), settings.hostIp(), settings.port());
    else
        part.setServer(settings.hostIp(), settings.port(), settings.mac());
    ConnectionInfo info;
    info.setNetworkPart(part);
    return info;
}

} // namespace Communication
} // namespace Common
