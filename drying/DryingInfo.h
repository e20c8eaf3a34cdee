#pragma once

#include <QDateTime>

namespace KD {
namespace Drying {

// Summary of a run for its context and report.
struct DryingInfo
{
    int formula = 0;
    QDateTime start;
    QDateTime end; // start plus the last record's time
    int samplesCount = 0;
    double initialMass = 0.0;
    double finalMass = 0.0;
};

} // namespace Drying
} // namespace KD
