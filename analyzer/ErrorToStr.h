#pragma once

#include <QObject>

namespace KD {

class OperationError;

namespace Communication {

// Turns the drying controller's error record into the small HTML report of
// the error box: operation, step or reason, failed command and what it does.
class ErrorToStr : public QObject
{
    Q_OBJECT

public:
    explicit ErrorToStr(QObject* parent = nullptr);

    QString errorReport(const OperationError& error) const;
    QString operationText(int operation) const;
    // Only some operations are also steps of the compound ones (or reasons).
    QString stepText(int step) const;
    // Upper-case command mnemonic ("SX6", "SD3"), empty for codes without one.
    static QString commandMnemonic(int code);
};

} // namespace Communication
} // namespace KD
