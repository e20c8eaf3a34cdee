#pragma once

namespace KD {
namespace Drying {

// Takes the rows of a run file: start() before the file is read, each row's
// time from the run's start and its mass, then finish() once the file is done
// (read or not).
class ITdFileDataReceiver
{
public:
    virtual ~ITdFileDataReceiver() = default;
    virtual void start() = 0;
    virtual void receive(int timeMs, double mass) = 0;
    virtual void finish() = 0;
};

} // namespace Drying
} // namespace KD
