#pragma once

#include "terminal/AbstractNumberFilter.h"

namespace Common {
namespace Filters {

class Int32Filter : public AbstractNumberFilter<int>
{
public:
    using AbstractNumberFilter::AbstractNumberFilter;

    int convert(const QVariant& value, bool* ok) const override { return value.toInt(ok); }
};

} // namespace Filters
} // namespace Common
