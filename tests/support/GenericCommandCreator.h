#pragma once

#include "communication/CommandCreator.h"

namespace Common {
namespace Communication {
class Command;
}
} // namespace Common

// A command set for engine tests that need no analyzer commands: 35 is the
// echo "SJ", 36 the identification "SW9", any other code a simple command
// whose argument is a QStringList {line to write, expected reply}; without
// a reply the command ends once written. Code 0 makes no command at all.
class GenericCommandCreator : public Common::Communication::CommandCreator
{
    Q_OBJECT

public:
    using CommandCreator::CommandCreator;

    // A request for a simple command.
    static CommandRequest simple(int code, const QString& line, const QString& reply = QString());
    // Lines other than "MJ" the keep-alive echo lets pass before it fails
    // (0: it fails on the first).
    void setEchoLimit(int limit) { m_echoLimit = limit; }

    Common::Communication::Command* createEcho() override;
    bool isEcho(Common::Communication::Command* command) override;
    Common::Communication::Command* create(CommandRequest request) override;
    CommandRequest deviceInfoRequest() override;

private:
    int m_echoLimit = 0;
};
