#pragma once

#include <QObject>
#include <QString>

namespace Common {
namespace CSV {

// Reads the time field of consecutive rows and refuses a time that goes back.
// With the format "HH:mm:ss" (or "hh:mm:ss") the hours may pass 24, as a run's
// time offsets do; other formats are times of day.
class TimeHandler : public QObject
{
    Q_OBJECT

public:
    explicit TimeHandler(const QString& format = QStringLiteral("HH:mm:ss"));

    void setFormat(const QString& format) { m_format = format; }
    bool handle(const QString& text);
    QString errorText() const { return m_errorText; }
    // The last accepted time in ms (0 when none).
    int timeMs() const { return m_last < 0 ? 0 : m_last; }

private:
    bool isRunTime() const;
    bool parse(const QString& text, int* ms) const;
    QString format(int ms) const;

    QString m_format;
    QString m_errorText;
    int m_previous = -1;
    int m_last = -1;
};

} // namespace CSV
} // namespace Common
