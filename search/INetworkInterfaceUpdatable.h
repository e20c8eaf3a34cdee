#pragma once

#include "communication/ConnectionInfo.h"
#include "communication/DevNetworkInterface.h"

namespace Common {
namespace Communication {

// Gives the found device reached through `old` its module's new settings.
class INetworkInterfaceUpdatable
{
public:
    virtual ~INetworkInterfaceUpdatable() = default;
    virtual void updateNetworkInterface(const ConnectionInfo& old,
                                        const DevNetworkInterface& settings) = 0;
};

} // namespace Communication
} // namespace Common
