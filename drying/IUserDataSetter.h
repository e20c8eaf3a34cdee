#pragma once

#include "drying/UserData.h"

namespace KD {
namespace Drying {

class IUserDataSetter
{
public:
    virtual ~IUserDataSetter() = default;
    virtual void setUserData(const UserData& data) = 0;
};

} // namespace Drying
} // namespace KD
