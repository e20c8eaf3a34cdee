#pragma once

#include "terminal/AbstractNumberFilter.h"

namespace Common {
namespace Filters {

class Uint32Filter : public AbstractNumberFilter<unsigned int>
{
public:
    using AbstractNumberFilter::AbstractNumberFilter;

    unsigned int convert(const QVariant& value, bool* ok) const override
    {
        return value.toUInt(ok);
    }
};

} // namespace Filters
} // namespace Common
