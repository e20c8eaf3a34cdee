#pragma once

namespace Common {
namespace CSV {

class ISaverErrorHandler
{
public:
    virtual ~ISaverErrorHandler() = default;
    virtual void onSaverError(int status) = 0;
};

} // namespace CSV
} // namespace Common
