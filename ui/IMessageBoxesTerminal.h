#pragma once

namespace Common {

class IMessageBoxesTerminal
{
public:
    virtual ~IMessageBoxesTerminal() = default;
    virtual bool askClearLogs() = 0;
    virtual bool askResetCommands() = 0;
};

} // namespace Common
