#pragma once

#include <QVector>

namespace Common {
namespace Filters {

// Ids of NFiltersTrProvider's texts.
enum FilterTextId {
    TextInOut = 0,
    TextIn = 1,
    TextOut = 2,
    TextStartsWith = 3,
    TextEndsWith = 4,
    TextContains = 5,
    TextBetween = 6,
    TextLaterThan = 7,
    TextEarlierThan = 8,
    TextEqual = 9,
    TextNotEqual = 10,
    TextGreaterThan = 11,
    TextLowerThan = 12,
    TextYes = 13,
    TextNo = 14,
};

// The text id that labels a text predicate's mode.
int stringModeText(int mode);
// The text id that labels a number, date or time predicate's mode.
int numberModeText(int mode, bool forDateOrTime);

// The modes every mode combo box offers, in combo order.
QVector<int> filterModes();
// The mode of a combo index; an index outside the list stands for "Equal".
int modeForIndex(int index);

} // namespace Filters
} // namespace Common
