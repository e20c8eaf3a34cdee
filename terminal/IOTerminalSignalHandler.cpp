#include "terminal/IOTerminalSignalHandler.h"

#include "ui/MessageBoxContext.h"

namespace Common {

IOTerminalSignalHandler::IOTerminalSignalHandler(QObject* parent) : QObject(parent) { }

void IOTerminalSignalHandler::onSendString(QString text) { sendString(text); }

void IOTerminalSignalHandler::onCheckConnection(bool check) { checkConnection(check); }

void IOTerminalSignalHandler::showSendFailed()
{
    if (m_context)
        m_context->showWarning(tr("Could not send terminal command!"));
}

} // namespace Common
