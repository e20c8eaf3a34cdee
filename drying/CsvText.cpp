#include "drying/CsvText.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace Common {
namespace CSV {

const QString fieldSeparator = QStringLiteral(";\t");
const QString lineEnd = QStringLiteral("\n");

QString escapeValue(const QString& value)
{
    // Most values hold nothing to escape: they go out as they are, not copied.
    const auto plain = [](QChar c) {
        return c != QLatin1Char('\\') && c != QLatin1Char('\r') && c != QLatin1Char('\n')
               && c != QLatin1Char('\t');
    };
    if (std::all_of(value.begin(), value.end(), plain))
        return value;
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

QString unescapeValue(const QString& text)
{
    if (!text.contains(QLatin1Char('\\')))
        return text;
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

void appendRow(QString& text, const QStringList& fields, const QString& separator,
               const QString& prefix)
{
    text += prefix;
    for (const QString& field : fields) {
        text += field;
        text += separator;
    }
    text += lineEnd;
}

QStringList splitRow(const QString& line)
{
    if (line.isEmpty())
        return {};
    return line.split(fieldSeparator, Qt::KeepEmptyParts);
}

QString formatRunTime(qint64 ms)
{
    const qint64 seconds = qMax<qint64>(0, ms) / 1000;
    // One string, not one per field: a save formats every record's time.
    char text[32];
    const int size = std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld",
                                   static_cast<long long>(seconds / 3600),
                                   static_cast<long long>(seconds / 60 % 60),
                                   static_cast<long long>(seconds % 60));
    return QString::fromLatin1(text, size);
}

bool parseRunTime(const QString& text, int* ms)
{
    const int size = text.size();
    const int hourDigits = size - 6;
    if (hourDigits < 2 || text.at(hourDigits) != QLatin1Char(':')
        || text.at(hourDigits + 3) != QLatin1Char(':'))
        return false;
    auto digit = [&text](int at) { return text.at(at).unicode() - '0'; };
    for (int i = 0; i < size; ++i) {
        if (i != hourDigits && i != hourDigits + 3 && (digit(i) < 0 || digit(i) > 9))
            return false;
    }
    qint64 hours = 0;
    for (int i = 0; i < hourDigits; ++i) {
        hours = hours * 10 + digit(i);
        if (hours > std::numeric_limits<int>::max() / 3600000)
            return false;
    }
    const int minutes = digit(hourDigits + 1) * 10 + digit(hourDigits + 2);
    const int seconds = digit(hourDigits + 4) * 10 + digit(hourDigits + 5);
    if (minutes > 59 || seconds > 59)
        return false;
    const qint64 total = ((hours * 60 + minutes) * 60 + seconds) * 1000;
    if (total > std::numeric_limits<int>::max())
        return false;
    *ms = int(total);
    return true;
}

} // namespace CSV
} // namespace Common
