#pragma once

#include "app/IMainWindowController.h"
#include "ui/IConnectionStateChangeHandler.h"

class CommunicationContext;

namespace Common {
class IFirmwareSetup;
}

namespace KD {

class IStartStop;

// What the main window's icons and actions do in the product.
class MainWindowController : public IMainWindowController,
                             public Common::IConnectionStateChangeHandler
{
public:
    MainWindowController(CommunicationContext* context, Common::IFirmwareSetup* firmwareSetup,
                         IStartStop* startStop);

    void setWindow(IMainWindow* window) override { m_window = window; }
    // Shows the connection's state and device in the status bar.
    void onConnectionStateChange(int event,
                                 Common::Communication::DeviceConnectionInfo info) override;
    void firmware() override;
    void start() override;
    void stop() override;

private:
    IMainWindow* m_window = nullptr;
    CommunicationContext* m_context;
    Common::IFirmwareSetup* m_firmwareSetup;
    IStartStop* m_startStop;
};

} // namespace KD
