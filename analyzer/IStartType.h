#pragma once

namespace KD {

// Who started the running drying.
class IStartType
{
public:
    virtual ~IStartType() = default;
    virtual bool isProgramStart() const = 0;
    virtual bool isDeviceStart() const = 0;
};

} // namespace KD
