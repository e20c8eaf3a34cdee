#pragma once

#include "communication/CommandCreator.h"

namespace KD {
namespace Communication {

// Turns the analyzer's command codes into command objects.
class CommandCreator : public Common::Communication::CommandCreator
{
    Q_OBJECT
public:
    explicit CommandCreator(QObject* parent = nullptr);

    // The keep-alive echo: lines other than "MJ" pass on to the line handler
    // (a measurement may arrive meanwhile); it fails only when "MJ" never comes.
    Common::Communication::Command* createEcho() override;
    bool isEcho(Common::Communication::Command* cmd) override;
    Common::Communication::Command* create(CommandRequest request) override;
    CommandRequest deviceInfoRequest() override;

    // A new command without parent for the code, or none for a code outside
    // the table.
    static Common::Communication::Command* createByCode(int code);
};

} // namespace Communication
} // namespace KD
