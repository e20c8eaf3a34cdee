#pragma once

namespace Common {

// Told when a page has been shown.
class IWidgetShowHandler
{
public:
    virtual ~IWidgetShowHandler() = default;
    virtual void onWidgetShow() = 0;
};

} // namespace Common
