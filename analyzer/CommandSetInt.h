#pragma once

#include "communication/Command.h"

namespace KD {
namespace Communication {

// Writes one drying parameter or slot move ("Su0".."Su8", "Sp0".."Sp6") with a
// decimal value; the analyzer confirms with "MQ".
class CommandSetInt : public Common::Communication::Command
{
    Q_OBJECT
public:
    CommandSetInt(const QString& mnemonic, const QString& expectedReply, QObject* parent = nullptr);

    bool handleLine(QString line) override;
    QString text() override;

    int value() const { return m_value; }
    void setValue(int value) { m_value = value; }

private:
    int m_value = 0;
    QString m_text;
    QString m_expectedReply;
};

} // namespace Communication
} // namespace KD
