#pragma once

namespace Common {

// A time interval in milliseconds (the run's sampling interval).
class IInterval
{
public:
    virtual ~IInterval() = default;
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
};

} // namespace Common
