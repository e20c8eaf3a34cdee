#include "tests/support/GenericCommandCreator.h"

#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"
#include "communication/CommandSimple.h"

#include <QStringList>

using namespace Common::Communication;

CommandRequest GenericCommandCreator::simple(int code, const QString& line, const QString& reply)
{
    return CommandRequest(code, QStringList{line, reply});
}

Command* GenericCommandCreator::createEcho() { return new CommandEchoSJ(m_echoLimit, nullptr); }

bool GenericCommandCreator::isEcho(Command* command)
{
    return qobject_cast<CommandEchoSJ*>(command) != nullptr;
}

Command* GenericCommandCreator::create(CommandRequest request)
{
    switch (request.code) {
    case 0: return nullptr;
    case 35: return new CommandEchoSJ();
    case 36: return new CommandSW9(false);
    default: {
        const QStringList texts = request.argument.toStringList();
        const QString reply = texts.value(1);
        auto* command = new CommandSimple(reply.isEmpty());
        command->setText(texts.value(0) + QStringLiteral("\r\n"));
        command->setExpectedReply(reply);
        return command;
    }
    }
}

CommandRequest GenericCommandCreator::deviceInfoRequest() { return CommandRequest(36); }
