#include "drying/DryerRecord.h"

#include <QTime>

namespace KD {

DryerRecord::DryerRecord(qint32 timeMs, double mass, double humidity)
    : m_timeText(QTime(0, 0).addMSecs(timeMs).toString(QStringLiteral("hh:mm:ss")))
    , m_timeMs(timeMs)
    , m_mass(mass)
    , m_humidity(humidity)
{
}

QVariant DryerRecord::value(int column) const
{
    switch (column) {
    case 0:
        return m_timeText;
    case 1:
        return QString::number(m_humidity, 'f', 2);
    case 2:
        return QString::number(m_mass, 'f', 3);
    default:
        return QVariant();
    }
}

} // namespace KD
