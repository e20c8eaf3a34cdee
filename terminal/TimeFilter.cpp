#include "terminal/TimeFilter.h"

namespace Common {
namespace Filters {

TimeFilter::TimeFilter(qint32 mode) : m_mode(mode) { }

bool TimeFilter::test(const QVariant& value) const
{
    if (!value.isValid())
        return false;
    const QTime time = value.toTime();
    if (!time.isValid())
        return false;
    return compareByMode(m_mode, time.msecsSinceStartOfDay(), m_from.msecsSinceStartOfDay(),
                         m_to.msecsSinceStartOfDay());
}

} // namespace Filters
} // namespace Common
