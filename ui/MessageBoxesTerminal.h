#pragma once

#include "ui/IMessageBoxesTerminal.h"

struct MessageBoxContext;

namespace Common {

class MessageBoxesTerminal : public IMessageBoxesTerminal
{
public:
    explicit MessageBoxesTerminal(MessageBoxContext* context);
    bool askClearLogs() override;
    bool askResetCommands() override;

private:
    MessageBoxContext* m_context;
};

} // namespace Common
