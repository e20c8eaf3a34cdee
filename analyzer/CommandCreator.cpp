#include "analyzer/CommandCreator.h"

#include "analyzer/CommandCodes.h"
#include "analyzer/CommandGetParam.h"
#include "analyzer/CommandSetInt.h"
#include "analyzer/CommandSx6.h"
#include "analyzer/CommandSx7.h"
#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"

#include <limits>

namespace KD {
namespace Communication {

using Common::Communication::Command;

CommandCreator::CommandCreator(QObject* parent) : Common::Communication::CommandCreator(parent) { }

Command* CommandCreator::createEcho()
{
    return new Common::Communication::CommandEchoSJ(std::numeric_limits<int>::max(), nullptr);
}

bool CommandCreator::isEcho(Command* cmd)
{
    return qobject_cast<Common::Communication::CommandEchoSJ*>(cmd) != nullptr;
}

Command* CommandCreator::create(CommandRequest request)
{
    Command* cmd = createByCode(request.code);
    if (auto setter = qobject_cast<CommandSetInt*>(cmd))
        setter->setValue(request.argument.toInt());
    return cmd;
}

CommandRequest CommandCreator::deviceInfoRequest()
{
    return CommandRequest{Code::DeviceInfo, QVariant()};
}

Command* CommandCreator::createByCode(int code)
{
    switch (code) {
    case Code::Echo: return new Common::Communication::CommandEchoSJ();
    case Code::DeviceInfo: return new Common::Communication::CommandSW9(false);
    case Code::StartDrying: return new CommandSx6();
    case Code::StopDrying: return new CommandSx7();
    default: break;
    }
    if (Code::isSetInt(code))
        return new CommandSetInt(wireMnemonic(code), QStringLiteral("MQ"));
    if (Code::isLoad(code))
        return new CommandGetParam(wireMnemonic(code), code == Code::LoadMainTemperature);
    return nullptr;
}

} // namespace Communication
} // namespace KD
