#pragma once

namespace KD {

// What starting and stopping a run needs of the drying controller.
class IRunControl
{
public:
    virtual ~IRunControl() = default;
    // True when a start would be accepted now.
    virtual bool isReady() const = 0;
    virtual bool startDrying() = 0;
    virtual bool stopDrying() = 0;
};

} // namespace KD
