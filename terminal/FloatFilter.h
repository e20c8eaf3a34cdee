#pragma once

#include "terminal/AbstractNumberFilter.h"

namespace Common {
namespace Filters {

class FloatFilter : public AbstractNumberFilter<float>
{
public:
    using AbstractNumberFilter::AbstractNumberFilter;

    float convert(const QVariant& value, bool* ok) const override { return value.toFloat(ok); }
};

} // namespace Filters
} // namespace Common
