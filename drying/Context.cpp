#include "drying/Context.h"

namespace KD {
namespace Drying {
namespace RunContext {

bool Context::operator==(const Context& other) const
{
    return UserData::operator==(other) && formula == other.formula && start == other.start
           && end == other.end && samples == other.samples && initialMass == other.initialMass
           && finalMass == other.finalMass;
}

void Context::setRunValues(const DryingInfo& info)
{
    formula = info.formula;
    start = info.start;
    end = info.end;
    samples = unsigned(qMax(0, info.samplesCount));
    initialMass = info.initialMass;
    finalMass = info.finalMass;
}

} // namespace RunContext
} // namespace Drying
} // namespace KD
