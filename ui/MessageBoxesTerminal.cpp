#include "ui/MessageBoxesTerminal.h"

#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxTrProvider.h"

namespace Common {

MessageBoxesTerminal::MessageBoxesTerminal(MessageBoxContext* context) : m_context(context) { }

bool MessageBoxesTerminal::askClearLogs()
{
    return m_context->askQuestion(
        MessageBoxTrProvider().text(MessageBoxTrProvider::ClearLogsDatabase));
}

bool MessageBoxesTerminal::askResetCommands()
{
    return m_context->askQuestion(MessageBoxTrProvider().text(MessageBoxTrProvider::ResetCommands));
}

} // namespace Common
