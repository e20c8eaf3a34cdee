#pragma once

#include "ui/IClearable.h"

namespace KD {

class IStartTimeSetter;

namespace Drying {

// Clearing the run from the page: the records and the start time go
// together, so a report made afterwards claims no start.
class TdRunClearer : public Common::IClearable
{
public:
    TdRunClearer(Common::IClearable* run, IStartTimeSetter* start) : m_run(run), m_start(start) { }
    void clear() override;

private:
    Common::IClearable* m_run;
    IStartTimeSetter* m_start;
};

} // namespace Drying
} // namespace KD
