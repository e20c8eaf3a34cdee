#include "tests/support/RecordingCommandHandler.h"

#include "communication/CommandDevInfo.h"
#include "communication/IDeviceInfoHandler.h"

using namespace Common::Communication;

void RecordingCommandHandler::onCommandOk(Command* cmd, int code)
{
    auto* identification = qobject_cast<CommandDevInfo*>(cmd);
    if (identification && identification->hasDeviceInfo() && deviceInfoHandler())
        deviceInfoHandler()->setDeviceInfo(identification->deviceInfo());
    emit outcome(QStringLiteral("ok"), code, 0);
}

void RecordingCommandHandler::onAborted(int code)
{
    emit outcome(QStringLiteral("aborted"), code, 0);
}

void RecordingCommandHandler::onSendFailed(Command*, int code)
{
    emit outcome(QStringLiteral("sendFailed"), code, 0);
}

void RecordingCommandHandler::onFailed(Command*, int code, int status)
{
    emit outcome(QStringLiteral("failed"), code, status);
}
