#pragma once

#include "communication/CommandHandler.h"

#include <QString>

// Turns every command outcome into the signal outcome(kind, code, status),
// kind one of "ok", "aborted", "sendFailed", "failed" (status 0 unless
// failed), and hands a parsed identification to the device engine as the
// product's handler does.
class RecordingCommandHandler : public Common::Communication::CommandHandler
{
    Q_OBJECT

public:
    using CommandHandler::CommandHandler;

    void onCommandOk(Common::Communication::Command* cmd, int code) override;
    void onAborted(int code) override;
    void onSendFailed(Common::Communication::Command* cmd, int code) override;
    void onFailed(Common::Communication::Command* cmd, int code, int status) override;

signals:
    void outcome(QString kind, int code, int status);
};
