#pragma once

#include "drying/LoadErrorInfo.h"

namespace Common {
namespace CSV {

class ILoaderErrorHandler
{
public:
    virtual ~ILoaderErrorHandler() = default;
    virtual void onLoaderError(const LoadErrorInfo& info) = 0;
};

} // namespace CSV
} // namespace Common
