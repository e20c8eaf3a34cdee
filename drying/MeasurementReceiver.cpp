#include "drying/MeasurementReceiver.h"

#include "drying/IMassAppendable.h"
#include "ui/IInterval.h"

namespace KD {
namespace Drying {

MeasurementReceiver::MeasurementReceiver(IMassAppendable* run, const Common::IInterval* interval)
    : m_run(run), m_interval(interval)
{ }

void MeasurementReceiver::receive(Measurement m)
{
    m_run->appendMass(m_interval->value(), double(m.value));
}

} // namespace Drying
} // namespace KD
