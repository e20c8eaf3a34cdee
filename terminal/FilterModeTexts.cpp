#include "terminal/FilterModeTexts.h"

#include "terminal/IFilter.h"

namespace Common {
namespace Filters {

int stringModeText(int mode)
{
    switch (mode) {
    case 0: return TextStartsWith;
    case 1: return TextEndsWith;
    case 2: return TextContains;
    default: return TextEqual;
    }
}

int numberModeText(int mode, bool forDateOrTime)
{
    switch (mode) {
    case Between: return TextBetween;
    case LowerThan: return forDateOrTime ? TextEarlierThan : TextLowerThan;
    case GreaterThan: return forDateOrTime ? TextLaterThan : TextGreaterThan;
    default: return TextEqual;
    }
}

QVector<int> filterModes() { return {Between, LowerThan, GreaterThan, Equal}; }

int modeForIndex(int index)
{
    const QVector<int> modes = filterModes();
    return index >= 0 && index < modes.size() ? modes.at(index) : int(Equal);
}

} // namespace Filters
} // namespace Common
