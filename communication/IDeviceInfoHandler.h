#pragma once

#include "communication/DeviceInfo.h"

namespace Common {
namespace Communication {

// Receives the identified device's information (the device engine).
class IDeviceInfoHandler
{
public:
    virtual ~IDeviceInfoHandler() = default;
    virtual void setDeviceInfo(DeviceInfo info) = 0;
};

} // namespace Communication
} // namespace Common
