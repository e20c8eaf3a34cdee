#pragma once

#include "analyzer/Measurement.h"
#include "communication/Command.h"

#include <QVector>

namespace KD {
namespace Communication {

// Starts a drying ("Sx6") and collects the six-line block the analyzer answers
// with: "SS0", three lines, the interval and the first measurement. The line
// parser reuses it to collect a block started on the analyzer's keyboard.
class CommandSx6 : public Common::Communication::Command
{
    Q_OBJECT
public:
    static constexpr int BlockLines = 6;

    explicit CommandSx6(QObject* parent = nullptr);

    bool handleLine(QString line) override;
    QString text() override;
    void reset() override;

    // Sampling interval in seconds from the fifth line; 0 when missing.
    int interval() const;
    Measurement initialMeasurement() const;
    // The first mass must not be below 0.02 g for the run to count as started.
    bool massOk() const;

private:
    int m_lineCount = 0;
    bool m_started = false;
    QVector<QString> m_lines;
};

} // namespace Communication
} // namespace KD
