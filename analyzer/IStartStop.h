#pragma once

namespace KD {

// The Start and Stop commands of the main window and of the drying page.
class IStartStop
{
public:
    virtual ~IStartStop() = default;
    // False when the start did not reach the analyzer.
    virtual bool start() = 0;
    virtual void stop() = 0;
};

} // namespace KD
