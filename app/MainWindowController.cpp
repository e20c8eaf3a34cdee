#include "app/MainWindowController.h"

#include "analyzer/IStartStop.h"
#include "app/CommunicationContext.h"
#include "ui/IFirmwareSetup.h"

namespace KD {

MainWindowController::MainWindowController(CommunicationContext* context,
                                           Common::IFirmwareSetup* firmwareSetup,
                                           IStartStop* startStop)
    : m_context(context), m_firmwareSetup(firmwareSetup), m_startStop(startStop)
{ }

void MainWindowController::onConnectionStateChange(int event,
                                                   Common::Communication::DeviceConnectionInfo info)
{
    m_context->statusBarHandler()->onConnectionStateChanged(event, info);
}

void MainWindowController::firmware() { m_firmwareSetup->setup(); }

void MainWindowController::start() { m_startStop->start(); }

void MainWindowController::stop() { m_startStop->stop(); }

} // namespace KD
