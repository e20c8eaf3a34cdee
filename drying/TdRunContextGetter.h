#pragma once

#include "drying/Context.h"
#include "drying/IRunContextGetter.h"

namespace KD {
namespace Drying {

class IDryingInfoGetter;
class IUserDataGetter;

// A full context record for the CSV export and the report: the user's data
// from the run context, the run's values from the run summary right now.
class TdRunContextGetter : public Common::IRunContextGetter<RunContext::Context>
{
public:
    TdRunContextGetter(const IUserDataGetter* userData, const IDryingInfoGetter* dryingInfo);

    RunContext::Context get() const override;

private:
    const IUserDataGetter* m_userData;
    const IDryingInfoGetter* m_dryingInfo;
};

} // namespace Drying
} // namespace KD
