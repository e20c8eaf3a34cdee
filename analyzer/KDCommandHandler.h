#pragma once

#include "analyzer/Measurement.h"
#include "communication/CommandHandler.h"

#include <QVariant>

namespace KD {
namespace Communication {

// Turns the outcome of every command the device engine ran into one
// commandFinished, except the start and identification commands, whose
// success travels other ways.
class KDCommandHandler : public Common::Communication::CommandHandler
{
    Q_OBJECT
public:
    explicit KDCommandHandler(QObject* parent = nullptr);

    void onCommandOk(Common::Communication::Command* cmd, int code) override;
    void onAborted(int code) override;
    void onSendFailed(Common::Communication::Command* cmd, int code) override;
    void onFailed(Common::Communication::Command* cmd, int code, int status) override;

signals:
    // result: 1 ok, 2 failed, 3 timed out.
    void commandFinished(int result, int command, QVariant resp);
    void recordAppeared(Measurement m);
    void dryingStart(bool, int);
};

} // namespace Communication
} // namespace KD
