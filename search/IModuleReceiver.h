#pragma once

namespace Common {
namespace Communication {

class IOInterfaceModule;

// Takes a network module whose configuration has been read.
class IModuleReceiver
{
public:
    virtual ~IModuleReceiver() = default;
    virtual void onModuleInfo(IOInterfaceModule* module) = 0;
};

} // namespace Communication
} // namespace Common
