#include "terminal/StringFilter.h"

namespace Common {
namespace Filters {

StringFilter::StringFilter(qint32 mode) : m_mode(mode) { }

bool StringFilter::test(const QVariant& value) const
{
    if (!value.isValid())
        return false;
    const QString text = value.toString();
    // An empty pattern matches an empty cell whatever the mode.
    if (text.isEmpty() && m_pattern.isEmpty())
        return true;
    switch (m_mode) {
    case 0: return text.startsWith(m_pattern, Qt::CaseSensitive);
    case 1: return text.endsWith(m_pattern, Qt::CaseSensitive);
    case 2: return text.contains(m_pattern, Qt::CaseSensitive);
    case 3: return text == m_pattern;
    default: return false;
    }
}

} // namespace Filters
} // namespace Common
