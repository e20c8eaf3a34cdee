#include "drying/CsvText.h"

#include <QTextStream>

#include <limits>

namespace Common {
namespace CSV {

const QString fieldSeparator = QStringLiteral(";\t");
const QString lineEnd = QStringLiteral("\n");

QString escapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    return out;
}

QString unescapeValue(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        switch (text.at(i + 1).unicode()) {
        case '\\': out += QLatin1Char('\\'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        default: out += c; continue; // keep the backslash, read the next one normally
        }
        ++i;
    }
    return out;
}

void writeRow(QTextStream &stream, const QStringList &fields, const QString &separator,
              const QString &prefix)
{
    stream << prefix;
    for (const QString &field : fields)
        stream << field << separator;
    stream << lineEnd;
}

QStringList splitRow(const QString &line)
{
    if (line.isEmpty())
        return {};
    return line.split(fieldSeparator, Qt::KeepEmptyParts);
}

QString formatRunTime(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool parseRunTime(const QString &text, int *ms)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3 || parts[0].size() < 2 || parts[1].size() != 2 || parts[2].size() != 2)
        return false;
    qint64 values[3];
    for (int i = 0; i < 3; ++i) {
        for (const QChar c : parts[i]) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        bool ok = false;
        values[i] = parts[i].toLongLong(&ok);
        if (!ok)
            return false;
    }
    if (values[1] > 59 || values[2] > 59)
        return false;
    const qint64 total = ((values[0] * 60 + values[1]) * 60 + values[2]) * 1000;
    if (values[0] > std::numeric_limits<int>::max() / 3600000 || total > std::numeric_limits<int>::max())
        return false;
    *ms = int(total);
    return true;
}

} // namespace CSV
} // namespace Common
