#pragma once

#include "communication/Command.h"

namespace Common {
namespace Communication {

// One firmware line; the bootloader answers "f1", "f2" or "f3".
class CommandSendFwLineS19 : public Command
{
    Q_OBJECT

public:
    using Command::Command;

    void setLine(const QString& line) { m_line = line; }
    int replyCode() const { return m_replyCode; }

    bool handleLine(QString line) override;
    QString text() override;

private:
    int m_replyCode = 0;
    QString m_line;
};

} // namespace Communication
} // namespace Common
