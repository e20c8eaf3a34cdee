#include "terminal/DateFilter.h"

namespace Common {
namespace Filters {

DateFilter::DateFilter(qint32 mode) : m_mode(mode) { }

bool DateFilter::test(const QVariant& value) const
{
    if (!value.isValid())
        return false;
    const QDate date = value.toDate();
    if (!date.isValid())
        return false;
    return compareByMode(m_mode, date.toJulianDay(), m_from.toJulianDay(), m_to.toJulianDay());
}

} // namespace Filters
} // namespace Common
