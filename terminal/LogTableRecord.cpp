#include "terminal/LogTableRecord.h"

#include "terminal/LogEntry.h"

namespace Common {

LogTableRecord::LogTableRecord(bool isIn, const QString& interface, const QDate& date,
                               const QTime& time, const QString& message)
    : m_isIn(isIn), m_interface(interface), m_date(date), m_time(time), m_message(message)
{ }

LogTableRecord::LogTableRecord(const Communication::LogEntry& entry)
    : LogTableRecord(entry.isIn, entry.record.interface, entry.record.date, entry.record.time,
                     entry.record.message)
{ }

QVariant LogTableRecord::value(int column) const
{
    switch (column) {
    case 0: return m_isIn ? QStringLiteral("IN") : QStringLiteral("OUT");
    case 1: return m_interface;
    case 2: return m_date;
    case 3: return m_time;
    case 4: return m_message;
    default: return QVariant();
    }
}

} // namespace Common
