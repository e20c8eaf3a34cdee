#pragma once

namespace KD {

// Whether runs started on the analyzer's own keyboard are ignored.
class ITryIgnoreStartFromDevice
{
public:
    virtual ~ITryIgnoreStartFromDevice() = default;
    // Returns the flag now in force: a change is refused while an operation
    // or a run is in progress.
    virtual bool setIgnoreStartFromDevice(bool ignore) = 0;
};

} // namespace KD
