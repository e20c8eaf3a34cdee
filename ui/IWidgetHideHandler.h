#pragma once

namespace Common {

// Told when a page has been hidden.
class IWidgetHideHandler
{
public:
    virtual ~IWidgetHideHandler() = default;
    virtual void onWidgetHide() = 0;
};

} // namespace Common
