#include "drying/CsvText.h"

#include <algorithm>
#include <charconv>
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

// Copies a few characters; memcpy's call would cost more than the copying.
inline QChar* copyChars(QChar* out, const QChar* in, int count)
{
    for (; count >= 4; count -= 4, in += 4, out += 4)
        std::memcpy(out, in, 4 * sizeof(QChar));
    for (; count > 0; --count)
        *out++ = *in++;
    return out;
}

// The characters from first to last, widened, put into text.
inline void putLatin1(QString& text, const char* first, const char* last)
{
    std::transform(first, last, sized(text, int(last - first)),
                   [](char c) { return QLatin1Char(c); });
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
    const int minute = int(seconds / 60 % 60);
    const int second = int(seconds % 60);
    char chars[24];
    const char* const end = std::to_chars(chars, chars + sizeof chars, hours).ptr;
    const bool padded = end - chars < 2; // hours below 10 get a leading zero
    QChar* out = sized(text, int(end - chars) + padded + 6);
    if (padded)
        *out++ = QLatin1Char('0');
    for (const char* c = chars; c < end; ++c)
        *out++ = QLatin1Char(*c);
    out[0] = out[3] = QLatin1Char(':');
    out[1] = QLatin1Char(char('0' + minute / 10));
    out[2] = QLatin1Char(char('0' + minute % 10));
    out[4] = QLatin1Char(char('0' + second / 10));
    out[5] = QLatin1Char(char('0' + second % 10));
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

// The decimal 'g' text of value (10^-4 <= |value| < 10^15) from its leading
// digits as an integer: value scaled by a power of ten (exact in a double up to
// 10^22) costs one rounding, at most half a unit in the last place of the
// product. Rounding the product to a whole number gives the exact value's
// digits unless the product lies that close to a half, where false is
// returned (a tie, or too close to tell); false too for exponent form.
bool putSignificantScaled(QString& text, double value, int precision)
{
    static constexpr double powers[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,  1e2,  1e3,
                                        1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
    constexpr int powersFrom = -4;
    const double magnitude = std::fabs(value);
    // The decimal exponent. A power below 1 is only the double nearest 10^n:
    // a value it puts one place too high is so close to 10^n that it rounds
    // to 10^n at either place.
    int exponent = int(std::upper_bound(powers, powers + 19, magnitude) - powers) - 1 + powersFrom;
    if (exponent >= precision)
        return false;
    const double scaled = magnitude * powers[precision - 1 - exponent - powersFrom];
    quint64 digits = quint64(scaled); // below 2^53: whole and fraction exact
    const double fraction = scaled - double(digits);
    if (std::fabs(fraction - 0.5) <= scaled * 0x1p-52)
        return false;
    digits += fraction > 0.5 ? 1 : 0;
    if (digits == quint64(powers[precision - powersFrom])) { // 9.99..95 and up: 10
        digits /= 10;
        if (++exponent >= precision)
            return false;
    }

    char chars[24];
    const char* last = std::to_chars(chars, chars + sizeof chars, digits).ptr;
    const char* const point = chars + qMax(exponent + 1, 1);
    while (last > point && last[-1] == '0') // 'g' drops the fraction's trailing zeros
        --last;
    // Written straight into the text: sign, "0.0..." or the whole part, the rest.
    const int leading = exponent < 0 ? 1 - exponent : 0;
    const bool hasPoint = exponent >= 0 && last > point;
    QChar* out = sized(text, (value < 0) + leading + int(last - chars) + hasPoint);
    if (value < 0)
        *out++ = QLatin1Char('-');
    if (leading > 0) {
        *out++ = QLatin1Char('0');
        *out++ = QLatin1Char('.');
        for (int zeros = leading - 2; zeros > 0; --zeros)
            *out++ = QLatin1Char('0');
    }
    const char* c = chars;
    if (hasPoint) {
        for (; c < point; ++c)
            *out++ = QLatin1Char(*c);
        *out++ = QLatin1Char('.');
    }
    for (; c < last; ++c)
        *out++ = QLatin1Char(*c);
    return true;
}

// Qt's 'g' text of a value in plain decimal form, from the standard
// library's exact conversion; false when Qt must write the value.
bool putSignificant(QString& text, double value, int precision)
{
    if (value == 0) {
        *sized(text, 1) = QLatin1Char('0'); // -0 too, as Qt writes it
        return true;
    }
    // Qt writes the exponent forms, inf and nan; from 10^-4 up it keeps to
    // the decimal form, which std::to_chars writes alike.
    const double magnitude = std::fabs(value);
    if (precision < 1 || precision > 15 || !(magnitude >= 1e-4 && magnitude < 1e15))
        return false;
    if (putSignificantScaled(text, value, precision))
        return true;

    // Qt rounds an exact tie away from zero, std::to_chars to even. A tie
    // has at most precision + 4 binary places in this range (it is half a
    // unit of a decimal place no finer than 10^-(precision + 3)), which the
    // values of a run rarely have: only those are written out in full (40
    // digits show any of them exactly) to see whether a 5 and zeros are cut.
    char chars[64];
    char* const limit = chars + sizeof chars;
    const double scaled = std::ldexp(magnitude, precision + 4);
    if (scaled == std::floor(scaled)) {
        char* const cut = chars + 1 + precision; // "d.ddd5000e+XX"
        char* const end =
            std::to_chars(chars, limit, magnitude, std::chars_format::scientific, 40).ptr;
        if (*cut == '5'
            && std::all_of(cut + 1, std::find(cut, end, 'e'), [](char c) { return c == '0'; }))
            value = std::nextafter(value, 2 * value); // just beyond the tie rounds away
    }
    char* const end = std::to_chars(chars, limit, value, std::chars_format::general, precision).ptr;
    if (std::find(chars, end, 'e') != end)
        return false;
    putLatin1(text, chars, end);
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
