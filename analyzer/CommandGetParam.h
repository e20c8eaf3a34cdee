#pragma once

#include "communication/Command.h"

#include <QVariant>

namespace KD {
namespace Communication {

// Reads one drying parameter ("Sd0".."Sd6", "Sv0".."Sv6"); the reply is one
// number line.
class CommandGetParam : public Common::Communication::Command
{
    Q_OBJECT
public:
    CommandGetParam(const QString& mnemonic, bool isDouble, QObject* parent = nullptr);

    bool handleLine(QString line) override;
    QString text() override;

    QVariant value() const;
    bool isDouble() const { return m_isDouble; }

private:
    QString m_text;
    bool m_isDouble;
    double m_double = 0.0;
    int m_int = 0;
};

} // namespace Communication
} // namespace KD
