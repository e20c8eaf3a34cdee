#pragma once

#include "analyzer/CommandSx6.h"
#include "analyzer/Measurement.h"
#include "communication/ILineHandler.h"

#include <QObject>

namespace KD {
namespace Communication {

// Recognises the analyzer's unsolicited lines: a start block begun on its
// keyboard, measurement lines and the stop lines.
class DryerLineParser : public QObject, public Common::Communication::ILineHandler
{
    Q_OBJECT
public:
    explicit DryerLineParser(QObject* parent = nullptr);

    bool handleLine(QString line) override;

    // A number, optionally followed by a unit; fills m and returns whether the
    // number parsed. An empty line leaves m as it was.
    static bool parseMeasurement(const QString& line, Measurement& m);

signals:
    void recordAppeared(Measurement m);
    void dryingStart(bool, Measurement inital, int interval);
    void dryingStop();

private:
    bool m_inStartBlock = false;
    CommandSx6 m_block;
};

} // namespace Communication
} // namespace KD
