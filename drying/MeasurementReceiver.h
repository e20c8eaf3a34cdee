#pragma once

#include "drying/IMeasurementReceiver.h"

namespace Common {
class IInterval;
}

namespace KD {
namespace Drying {
class IMassAppendable;

// Turns each live reading into a run record one sampling interval after the
// previous one.
class MeasurementReceiver : public IMeasurementReceiver
{
public:
    MeasurementReceiver(IMassAppendable* run, const Common::IInterval* interval);

    void receive(Measurement m) override;

private:
    IMassAppendable* m_run;
    const Common::IInterval* m_interval;
};

} // namespace Drying
} // namespace KD
