#pragma once

namespace KD {
namespace Drying {

// Humidity in percent from the first mass m0 and the current mass mn by
// formula id: 0 (m0-mn)/m0, 1 (m0-mn)/mn, 2 mn/m0; any other id gives 0.
// A zero divisor gives the IEEE result (infinite or not a number).
double calcHumidity(double m0, double mn, int formula);

} // namespace Drying
} // namespace KD
