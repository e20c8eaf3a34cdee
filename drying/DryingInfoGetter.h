#pragma once

#include "drying/IDryingInfoGetter.h"
#include "drying/IStartTimeSetter.h"

namespace KD {
namespace Drying {
class IHumidityData;

// Reads the run summary out of the run model and the stored start time.
class DryingInfoGetter : public IDryingInfoGetter, public KD::IStartTimeSetter
{
public:
    explicit DryingInfoGetter(const IHumidityData* data);

    DryingInfo info() const override;
    void setStartTime(const QDateTime& start) override;

private:
    const IHumidityData* m_data;
    QDateTime m_start;
};

} // namespace Drying
} // namespace KD
