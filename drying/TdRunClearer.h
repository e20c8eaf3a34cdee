#pragma once

#include "ui/IClearable.h"
#include "ui/IResetZoom.h"

namespace KD {

class IStartTimeSetter;

namespace Drying {

// Clearing the run from the page: the records and the start time go
// together, so a report made afterwards claims no start, and the plot's
// scales go back to where they started.
class TdRunClearer : public Common::IClearable
{
public:
    TdRunClearer(Common::IClearable* run, IStartTimeSetter* start, Common::IResetZoom* plot)
        : m_run(run), m_start(start), m_plot(plot)
    { }
    void clear() override;

private:
    Common::IClearable* m_run;
    IStartTimeSetter* m_start;
    Common::IResetZoom* m_plot;
};

} // namespace Drying
} // namespace KD
