#pragma once

#include "terminal/CustomTableRecord.h"

#include <QString>

namespace KD {

// One row of a drying run: time, humidity and mass. Only the humidity
// changes after construction (a formula change).
class DryerRecord : public Common::CustomTableRecord
{
public:
    DryerRecord(qint32 timeMs, double mass, double humidity);

    int columnCount() const override { return 3; }
    // Time "hh:mm:ss", humidity with 2 and mass with 3 decimals, as texts.
    QVariant value(int column) const override;

    QString timeText() const { return m_timeText; }
    qint32 timeMs() const { return m_timeMs; }
    double mass() const { return m_mass; }
    double humidity() const { return m_humidity; }
    void setHumidity(double humidity) { m_humidity = humidity; }

private:
    QString m_timeText;
    qint32 m_timeMs;
    double m_mass;
    double m_humidity;
};

} // namespace KD
