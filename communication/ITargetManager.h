#pragma once

namespace Common {
namespace Communication {

class IDevice;

// The device object that serves each device type number.
class ITargetManager
{
public:
    virtual ~ITargetManager() = default;
    virtual IDevice* target(int type) = 0;
    virtual void setTarget(int type, IDevice* device) = 0;
};

} // namespace Communication
} // namespace Common
