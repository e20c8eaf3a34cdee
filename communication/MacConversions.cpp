#include "communication/MacConversions.h"

#include <QList>

quint64 macTextToU64(const QByteArray& text)
{
    QByteArray digits = text.left(text.indexOf('\0') < 0 ? text.size() : text.indexOf('\0'));
    digits.replace(':', QByteArray()).replace('-', QByteArray());
    bool ok = false;
    const quint64 mac = digits.toULongLong(&ok, 16);
    return ok ? mac : 0;
}

QByteArray u64ToMacText(quint64 mac, char separator, bool upperCase)
{
    QByteArray hex = QByteArray::number(mac, 16).rightJustified(12, '0');
    if (upperCase)
        hex = hex.toUpper();
    QByteArray text;
    text.reserve(hex.size() + hex.size() / 2);
    for (int i = 0; i < hex.size(); ++i) {
        if (i > 0 && i % 2 == 0)
            text.append(separator);
        text.append(hex.at(i));
    }
    return text;
}

QByteArray macToText(quint64 mac) { return u64ToMacText(mac, ':', false); }

QByteArray macToUpperText(quint64 mac) { return u64ToMacText(mac, ':', true); }

QByteArray dottedMacFromU64(quint64 mac)
{
    QByteArray text;
    for (int shift = 40; shift >= 0; shift -= 8) {
        if (shift != 40)
            text.append('.');
        text.append(QByteArray::number((mac >> shift) & 0xFF));
    }
    return text;
}

quint64 dottedMacToU64(const QByteArray& text)
{
    const QList<QByteArray> parts = text.split('.');
    if (parts.size() != 6)
        return 0;
    quint64 mac = 0;
    for (const QByteArray& part : parts) {
        bool ok = false;
        const uint byte = part.toUInt(&ok);
        // A part above 255 would spill into its neighbour: not a MAC.
        if (!ok || byte > 0xFF)
            return 0;
        mac = (mac << 8) | byte;
    }
    return mac;
}
