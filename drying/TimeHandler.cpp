#include "drying/TimeHandler.h"

#include "drying/CSVErrorHandlerDescriptor.h"
#include "drying/CsvText.h"

#include <QTime>

namespace Common {
namespace CSV {

TimeHandler::TimeHandler(const QString& format) : m_format(format) { }

bool TimeHandler::handle(const QString& text)
{
    int ms = 0;
    if (!parse(text, &ms)) {
        m_errorText = CSVErrorHandlerDescriptor::couldNotParseTime(text);
        return false;
    }
    if (m_previous > ms) {
        m_errorText = CSVErrorHandlerDescriptor::timeSmaller(format(m_previous), format(ms));
        return false;
    }
    m_previous = ms;
    m_last = ms;
    return true;
}

bool TimeHandler::isRunTime() const
{
    return m_format == QLatin1String("HH:mm:ss") || m_format == QLatin1String("hh:mm:ss");
}

bool TimeHandler::parse(const QString& text, int* ms) const
{
    if (isRunTime())
        return parseRunTime(text, ms);
    const QTime time = QTime::fromString(text, m_format);
    if (!time.isValid())
        return false;
    *ms = time.msecsSinceStartOfDay();
    return true;
}

QString TimeHandler::format(int ms) const
{
    if (isRunTime())
        return formatRunTime(ms);
    return QTime::fromMSecsSinceStartOfDay(ms).toString(m_format);
}

} // namespace CSV
} // namespace Common
