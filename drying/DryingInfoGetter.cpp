#include "drying/DryingInfoGetter.h"

#include "drying/DryingTimeGetter.h"
#include "drying/IHumidityData.h"

namespace KD {
namespace Drying {

DryingInfoGetter::DryingInfoGetter(const IHumidityData* data) : m_data(data) { }

DryingInfo DryingInfoGetter::info() const
{
    DryingInfo info;
    const int count = m_data->samplesCount();
    info.formula = m_data->calcFormula();
    info.start = m_start;
    info.end = m_start.addMSecs(DryingTimeGetter(m_data).dryingTime());
    if (count >= 1) {
        info.samplesCount = count;
        info.initialMass = m_data->massAt(0);
        info.finalMass = m_data->massAt(count - 1);
    }
    return info;
}

void DryingInfoGetter::setStartTime(const QDateTime& start) { m_start = start; }

} // namespace Drying
} // namespace KD
