#pragma once

namespace Common {

// Runs the firmware upload for the Firmware action of the main window.
class IFirmwareSetup
{
public:
    virtual ~IFirmwareSetup() = default;
    virtual void setup() = 0;
};

} // namespace Common
