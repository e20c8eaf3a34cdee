#pragma once

#include "communication/CommandEcho.h"

namespace Common {
namespace Communication {

// The analyzer's echo: "SJ" answered by exactly "MJ".
class CommandEchoSJ : public CommandEcho
{
    Q_OBJECT

public:
    using CommandEcho::CommandEcho;

    QString text() override;
    bool isMatch(QString line) override;
};

} // namespace Communication
} // namespace Common
