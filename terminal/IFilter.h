#pragma once

#include <QVariant>

namespace Common {
namespace Filters {

// Comparison modes shared by the number, date, time and text predicates.
// Text predicates read 0..2 as starts with / ends with / contains.
enum Mode : qint32 {
    Between = 0,
    LowerThan = 1,
    GreaterThan = 2,
    Equal = 3,
};

// A predicate on one column's value; the log table shows a row only when
// every column's predicate accepts it.
class IFilter
{
public:
    virtual ~IFilter() = default;
    // An invalid value fails every predicate.
    virtual bool test(const QVariant& value) const = 0;
};

// Ordered comparison by mode; modes other than 0..3 accept nothing.
template <typename T>
bool compareByMode(qint32 mode, const T& v, const T& from, const T& to)
{
    switch (mode) {
    case Between: return from <= v && v <= to;
    case LowerThan: return v < from;
    case GreaterThan: return v > from;
    case Equal: return v == from;
    default: return false;
    }
}

} // namespace Filters
} // namespace Common
