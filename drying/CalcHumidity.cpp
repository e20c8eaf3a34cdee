#include "drying/CalcHumidity.h"

namespace KD {
namespace Drying {

double calcHumidity(double m0, double mn, int formula)
{
    switch (formula) {
    case 0: return 100.0 * (m0 - mn) / m0;
    case 1: return ((m0 - mn) * 100.0) / mn;
    case 2: return (mn * 100.0) / m0;
    default: return 0.0;
    }
}

} // namespace Drying
} // namespace KD
