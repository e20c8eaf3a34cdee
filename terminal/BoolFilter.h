#pragma once

#include "terminal/IFilter.h"

namespace Common {
namespace Filters {

// Yes/no predicate.
class BoolFilter : public IFilter
{
public:
    bool test(const QVariant& value) const override;

    void setValue(bool value) { m_value = value; }
    bool value() const { return m_value; }

private:
    bool m_value = false;
};

} // namespace Filters
} // namespace Common
