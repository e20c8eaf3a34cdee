#include "terminal/Logger.h"

namespace Common {
namespace Communication {

Logger::Logger(QObject* parent) : QObject(parent) { }

void Logger::received(QString interfaceDescription, QDateTime when, QString text)
{
    append(true, std::move(interfaceDescription), when, std::move(text));
}

void Logger::sent(QString interfaceDescription, QDateTime when, QString text)
{
    append(false, std::move(interfaceDescription), when, std::move(text));
}

bool Logger::hasRecords()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return !m_entries.isEmpty();
}

LogEntry Logger::takeFirst()
{
    std::lock_guard<std::mutex> lock(m_lock);
    // Callers test hasRecords() first; an empty queue still must not crash.
    return m_entries.isEmpty() ? LogEntry() : m_entries.takeFirst();
}

void Logger::append(bool isIn, QString interfaceDescription, const QDateTime& when, QString text)
{
    LogEntry entry{isIn, VornLogRecord(std::move(interfaceDescription), when, std::move(text))};
    std::lock_guard<std::mutex> lock(m_lock);
    m_entries.append(std::move(entry));
}

} // namespace Communication
} // namespace Common
