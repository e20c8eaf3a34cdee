#include "terminal/BoolFilter.h"

namespace Common {
namespace Filters {

bool BoolFilter::test(const QVariant& value) const
{
    return value.isValid() && value.toBool() == m_value;
}

} // namespace Filters
} // namespace Common
