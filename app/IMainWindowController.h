#pragma once

namespace KD {

class IMainWindow;

// What the main window asks of the product: its Start and Stop icons and the
// Firmware action.
class IMainWindowController
{
public:
    virtual ~IMainWindowController() = default;
    virtual void setWindow(IMainWindow* window) = 0;
    virtual void firmware() = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
};

} // namespace KD
