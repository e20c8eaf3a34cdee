#include "analyzer/KDCommandHandler.h"

#include "analyzer/CommandGetParam.h"
#include "analyzer/CommandSx6.h"
#include "communication/CommandSW9.h"
#include "communication/IDeviceInfoHandler.h"

namespace KD {
namespace Communication {

namespace {
const int resultOk = 1;
const int resultFailed = 2;
} // namespace

KDCommandHandler::KDCommandHandler(QObject* parent) : CommandHandler(parent) { }

void KDCommandHandler::onCommandOk(Common::Communication::Command* cmd, int code)
{
    QVariant resp;
    if (auto load = qobject_cast<CommandGetParam*>(cmd))
        resp = load->value();

    if (auto start = qobject_cast<CommandSx6*>(cmd)) {
        const bool massOk = start->massOk();
        emit dryingStart(massOk, start->interval());
        if (massOk)
            emit recordAppeared(start->initialMeasurement());
        return;
    }
    if (auto info = qobject_cast<Common::Communication::CommandSW9*>(cmd)) {
        if (deviceInfoHandler())
            deviceInfoHandler()->setDeviceInfo(info->deviceInfo());
        return;
    }
    emit commandFinished(resultOk, code, resp);
}

void KDCommandHandler::onAborted(int code) { emit commandFinished(resultFailed, code, QVariant()); }

void KDCommandHandler::onSendFailed(Common::Communication::Command*, int code)
{
    emit commandFinished(resultFailed, code, QVariant());
}

void KDCommandHandler::onFailed(Common::Communication::Command*, int code, int status)
{
    emit commandFinished(status, code, QVariant());
}

} // namespace Communication
} // namespace KD
