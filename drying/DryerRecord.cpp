#include "drying/DryerRecord.h"

#include "drying/CsvText.h"

namespace KD {

DryerRecord::DryerRecord(qint32 timeMs, double mass, double humidity)
    // Hours keep counting past 24, so the table of a long run matches its file.
    : m_timeText(Common::CSV::formatRunTime(timeMs)), m_timeMs(timeMs), m_mass(mass),
      m_humidity(humidity)
{ }

QVariant DryerRecord::value(int column) const
{
    switch (column) {
    case 0: return m_timeText;
    case 1: return QString::number(m_humidity, 'f', 2);
    case 2: return QString::number(m_mass, 'f', 3);
    default: return QVariant();
    }
}

} // namespace KD
