#include "terminal/EnumFilter.h"

namespace Common {
namespace Filters {

bool EnumFilter::test(const QVariant& value) const
{
    if (!value.isValid())
        return false;
    return (value.toString() == m_text) == m_equals;
}

} // namespace Filters
} // namespace Common
