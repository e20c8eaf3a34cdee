#pragma once

#include "drying/ITdFileDataReceiver.h"

namespace Common {
class IPlot;
}

namespace KD {
namespace Drying {
class IDryingTimeGetter;
class IMassAppendable;

// Feeds rows read from a run file into the run model, which shows them all
// at the end; a row earlier than the previous one repeats the previous time
// rather than going back.
class FileDataReceiver : public ITdFileDataReceiver
{
public:
    FileDataReceiver(const IDryingTimeGetter* time, IMassAppendable* run, Common::IPlot* plot);

    void start() override;
    void receive(int timeMs, double mass) override;
    void finish() override;

private:
    const IDryingTimeGetter* m_time;
    IMassAppendable* m_run;
    Common::IPlot* m_plot;
};

} // namespace Drying
} // namespace KD
