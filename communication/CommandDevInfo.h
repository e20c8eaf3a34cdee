#pragma once

#include "communication/Command.h"
#include "communication/DeviceInfo.h"

namespace Common {
namespace Communication {

// An identification command: yields what the device said about itself.
class CommandDevInfo : public Command
{
    Q_OBJECT

public:
    using Command::Command;

    virtual DeviceInfo deviceInfo() = 0;
    virtual bool hasDeviceInfo() = 0;
};

} // namespace Communication
} // namespace Common
