#pragma once

#include <QDateTime>

#include "drying/DryingInfo.h"
#include "drying/UserData.h"

namespace KD {
namespace Drying {
namespace RunContext {

// One run's context record: the user data followed by the values taken from
// the run itself. Slicing to UserData copies exactly the user's part.
struct Context : UserData
{
    int formula = 0;
    QDateTime start;
    QDateTime end;
    unsigned int samples = 0;
    double initialMass = 0.0;
    double finalMass = 0.0;

    // Takes formula, start, end, samples and masses from the run summary.
    void setRunValues(const DryingInfo& info);

    bool operator==(const Context& other) const;
    bool operator!=(const Context& other) const { return !(*this == other); }
};

} // namespace RunContext
} // namespace Drying
} // namespace KD
