#pragma once

#include "drying/DryingInfo.h"

namespace KD {
namespace Drying {

class IDryingInfoGetter
{
public:
    virtual ~IDryingInfoGetter() = default;
    virtual DryingInfo info() const = 0;
};

} // namespace Drying
} // namespace KD
