#pragma once

#include "communication/Command.h"

namespace KD {
namespace Communication {

// Stops a drying ("Sx7"); done once written, the stop line comes unsolicited.
class CommandSx7 : public Common::Communication::Command
{
    Q_OBJECT
public:
    explicit CommandSx7(QObject* parent = nullptr);

    bool handleLine(QString line) override;
    QString text() override;
    void onSent() override;
};

} // namespace Communication
} // namespace KD
