#pragma once

#include "terminal/AbstractNumberFilter.h"

namespace Common {
namespace Filters {

class DoubleFilter : public AbstractNumberFilter<double>
{
public:
    using AbstractNumberFilter::AbstractNumberFilter;

    double convert(const QVariant& value, bool* ok) const override { return value.toDouble(ok); }
};

} // namespace Filters
} // namespace Common
