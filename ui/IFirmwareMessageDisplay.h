#pragma once

class QString;

namespace Common {

// A line of extra information in the firmware dialog; empty hides it.
class IFirmwareMessageDisplay
{
public:
    virtual ~IFirmwareMessageDisplay() = default;
    virtual void setMessage(const QString& text) = 0;
};

} // namespace Common
