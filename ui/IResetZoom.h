#pragma once

namespace Common {

// A view whose zoom can return to showing all of its data.
class IResetZoom
{
public:
    virtual ~IResetZoom() = default;
    virtual void resetZoom() = 0;
};

} // namespace Common
