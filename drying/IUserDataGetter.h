#pragma once

#include "drying/UserData.h"

namespace KD {
namespace Drying {

class IUserDataGetter
{
public:
    virtual ~IUserDataGetter() = default;
    virtual UserData userData() const = 0;
};

} // namespace Drying
} // namespace KD
