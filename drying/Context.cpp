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

} // namespace RunContext
} // namespace Drying
} // namespace KD
