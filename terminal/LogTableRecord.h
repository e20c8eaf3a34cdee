#pragma once

#include "terminal/CustomTableRecord.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace Common {
namespace Communication {
struct LogEntry;
}

// One row of the communication log: direction, interface, date, time and
// the text as sent or received.
class LogTableRecord : public CustomTableRecord
{
public:
    LogTableRecord(bool isIn, const QString& interface, const QDate& date, const QTime& time,
                   const QString& message);
    explicit LogTableRecord(const Communication::LogEntry& entry);

    int columnCount() const override { return 5; }
    // Column 0 is "IN" or "OUT".
    QVariant value(int column) const override;

    bool isIn() const { return m_isIn; }
    bool isOut() const { return !m_isIn; }
    QString interface() const { return m_interface; }
    QDate date() const { return m_date; }
    QTime time() const { return m_time; }
    QString message() const { return m_message; }

private:
    bool m_isIn;
    QString m_interface;
    QDate m_date;
    QTime m_time;
    QString m_message;
};

} // namespace Common
