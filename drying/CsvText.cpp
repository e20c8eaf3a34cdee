#include "drying/CsvText.h"

#include <QTextStream>

#include <cmath>
#include <cstring>
#include <limits>

namespace Common {
namespace CSV {

const QString fieldSeparator = QStringLiteral(";\t");
const QString lineEnd = QStringLiteral("\n");

QString escapeValue(const QString& value)
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

QString unescapeValue(const QString& text)
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

namespace {

// The characters of text, made `size` long, to be overwritten. A text of that
// size that nothing shares is used as it is: consecutive rows mostly are.
inline QChar* sized(QString& text, int size)
{
    if (text.size() != size)
        text.resize(size);
    return text.data();
}

const char16_t digitPairs[] =
    u"00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    u"40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    u"8081828384858687888990919293949596979899";

// value < 100 as two digits.
inline void putTwoDigits(QChar* out, quint32 value)
{
    out[0] = QChar(digitPairs[2 * value]);
    out[1] = QChar(digitPairs[2 * value + 1]);
}

// Copies a few characters; memcpy's call would cost more than the copying.
inline QChar* copyChars(QChar* out, const QChar* in, int count)
{
    for (; count >= 4; count -= 4, in += 4, out += 4)
        std::memcpy(out, in, 4 * sizeof(QChar));
    for (; count > 0; --count)
        *out++ = *in++;
    return out;
}

} // namespace

void appendRow(QString& text, const QStringList& fields, const QString& separator,
               const QString& prefix)
{
    // Sized once and copied in place: appending piece by piece costs more
    // than the copying, for fields this short.
    int size = prefix.size() + fields.size() * separator.size() + lineEnd.size();
    for (const QString& field : fields)
        size += field.size();
    const int at = text.size();
    QChar* out = sized(text, at + size) + at;
    auto put = [&out](const QString& piece) {
        out = copyChars(out, piece.constData(), piece.size());
    };
    put(prefix);
    for (const QString& field : fields) {
        put(field);
        put(separator);
    }
    put(lineEnd);
}

void writeRow(QTextStream& stream, const QStringList& fields, const QString& separator,
              const QString& prefix)
{
    // One write per line: the stream's per-call cost would dominate otherwise.
    QString line;
    line.reserve(prefix.size() + 16 * fields.size() + 1);
    appendRow(line, fields, separator, prefix);
    stream << line;
}

QStringList splitRow(const QString& line)
{
    if (line.isEmpty())
        return {};
    return line.split(fieldSeparator, Qt::KeepEmptyParts);
}

QString formatRunTime(qint64 ms)
{
    QString text;
    setRunTime(text, ms);
    return text;
}

// Written once per record of a run: no allocation when the text is reused.
void setRunTime(QString& text, qint64 ms)
{
    const quint64 seconds = quint64(qMax<qint64>(0, ms)) / 1000;
    const quint64 hours = seconds / 3600;
    const quint32 inHour = quint32(seconds - hours * 3600);
    int hourDigits = 2;
    for (quint64 rest = hours / 100; rest > 0; rest /= 10)
        ++hourDigits;
    QChar* const point = sized(text, hourDigits + 6) + hourDigits;
    point[0] = QLatin1Char(':');
    putTwoDigits(point + 1, inHour / 60);
    point[3] = QLatin1Char(':');
    putTwoDigits(point + 4, inHour % 60);
    putTwoDigits(point - 2, quint32(hours % 100));
    QChar* out = point - 2;
    for (quint64 rest = hours / 100; rest > 0; rest /= 10)
        *--out = QLatin1Char(char('0' + rest % 10));
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

namespace {

constexpr quint64 powersOf10[] = {1ULL,
                                  10ULL,
                                  100ULL,
                                  1000ULL,
                                  10000ULL,
                                  100000ULL,
                                  1000000ULL,
                                  10000000ULL,
                                  100000000ULL,
                                  1000000000ULL,
                                  10000000000ULL,
                                  100000000000ULL,
                                  1000000000000ULL,
                                  10000000000000ULL,
                                  100000000000000ULL,
                                  1000000000000000ULL,
                                  10000000000000000ULL,
                                  100000000000000000ULL,
                                  1000000000000000000ULL};

// A 128-bit product, built from 64-bit halves so that every compiler has it.
struct Wide
{
    quint64 high;
    quint64 low;
};

Wide multiply(quint64 a, quint64 b)
{
    const quint64 mask = 0xffffffffULL;
    const quint64 lowLow = (a & mask) * (b & mask);
    const quint64 lowHigh = (a & mask) * (b >> 32);
    const quint64 highLow = (a >> 32) * (b & mask);
    const quint64 middle = (lowLow >> 32) + (lowHigh & mask) + (highLow & mask);
    return {(a >> 32) * (b >> 32) + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & mask)};
}

// The value shifted right by 1 to 127 bits; false when that overflows 64 bits.
bool shiftedRight(const Wide& value, int shift, quint64* result)
{
    if (shift >= 64) {
        *result = value.high >> (shift - 64);
        return true;
    }
    if (value.high >> shift)
        return false;
    *result = (value.low >> shift) | (value.high << (64 - shift));
    return true;
}

bool bitSet(const Wide& value, int bit)
{
    return ((bit >= 64 ? value.high >> (bit - 64) : value.low >> bit) & 1) != 0;
}

// Qt's 'g' text of a value in plain decimal form put into text; false when
// Qt must write the value.
bool putSignificant(QString& text, double value, int precision)
{
    if (value == 0) {
        *sized(text, 1) = QLatin1Char('0'); // -0 too
        return true;
    }
    const double magnitude = std::fabs(value);
    // The range where the exact arithmetic below fits; Qt writes the others
    // (exponent forms, inf and nan among them).
    if (precision < 1 || precision > 15
        || !(magnitude >= 1e-4 && magnitude < double(powersOf10[precision])))
        return false;

    // magnitude = mantissa / 2^shift exactly, a normal double with 3 <= shift <= 66.
    quint64 bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biasedExponent = int(bits >> 52);
    const quint64 mantissa = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
    const int shift = 1075 - biasedExponent;

    // Scale by 10^scale so that the whole part has `precision` digits. The
    // binary exponent gives the digits before the point, or one too many; the
    // exact test below settles it. 10^-4 <= magnitude < 10^precision keeps
    // scale within the table.
    const int binaryExponent = biasedExponent - 1022; // magnitude < 2^binaryExponent
    int scale = qBound(0, precision - ((binaryExponent * 1233 >> 12) + 1), precision + 3);
    quint64 digits = 0;
    Wide scaled{};
    for (;;) {
        scaled = multiply(mantissa, powersOf10[scale]);
        if (!shiftedRight(scaled, shift, &digits) || digits >= powersOf10[precision])
            --scale;
        else if (digits < powersOf10[precision - 1])
            ++scale;
        else
            break;
    }
    // Halfway rounds up, as Qt's digit generation does.
    if (bitSet(scaled, shift - 1))
        ++digits;
    int pointAt = precision - scale; // digits before the decimal point
    if (digits == powersOf10[precision]) {
        digits /= 10;
        ++pointAt;
    }
    // Qt's own choice between the decimal and the exponent form; from 10^-4
    // up, small numbers keep to the decimal one.
    if (pointAt > precision)
        return false;

    // The digits as text, two at a time, then without trailing zeros.
    char16_t digitChars[16];
    int i = precision;
    for (; digits > 0xffffffffULL; i -= 2) {
        std::memcpy(digitChars + i - 2, digitPairs + 2 * (digits % 100), 2 * sizeof(char16_t));
        digits /= 100;
    }
    // The rest in 32 bits, quicker to divide: all of it up to 9 digits.
    quint32 rest = quint32(digits);
    for (; i >= 2; i -= 2) {
        std::memcpy(digitChars + i - 2, digitPairs + 2 * (rest % 100), 2 * sizeof(char16_t));
        rest /= 100;
    }
    if (i == 1)
        digitChars[0] = char16_t(u'0' + rest);
    int count = precision;
    while (count > 1 && digitChars[count - 1] == u'0')
        --count;

    const QChar* first = reinterpret_cast<const QChar*>(digitChars); // QChar is a char16_t
    const int sign = value < 0 ? 1 : 0;
    if (pointAt <= 0) { // 0.000ddd
        QChar* out = sized(text, sign + 2 - pointAt + count);
        if (sign)
            *out++ = QLatin1Char('-');
        *out++ = QLatin1Char('0');
        *out++ = QLatin1Char('.');
        for (int zero = pointAt; zero < 0; ++zero)
            *out++ = QLatin1Char('0');
        copyChars(out, first, count);
    } else if (pointAt < count) { // ddd.ddd
        QChar* out = sized(text, sign + count + 1);
        if (sign)
            *out++ = QLatin1Char('-');
        out = copyChars(out, first, pointAt);
        *out++ = QLatin1Char('.');
        copyChars(out, first + pointAt, count - pointAt);
    } else { // ddd000
        QChar* out = sized(text, sign + pointAt);
        if (sign)
            *out++ = QLatin1Char('-');
        out = copyChars(out, first, count);
        for (int zero = count; zero < pointAt; ++zero)
            *out++ = QLatin1Char('0');
    }
    return true;
}

} // namespace

void setSignificant(QString& text, double value, int precision)
{
    if (!putSignificant(text, value, precision))
        text = QString::number(value, 'g', precision);
}

} // namespace CSV
} // namespace Common
