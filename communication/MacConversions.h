#pragma once

#include <QByteArray>

// A MAC is held as a 64-bit number with its six bytes in the low 48 bits,
// first byte highest.

// "00:1a:2b:3c:4d:5e" or "00-1A-2B-3C-4D-5E" (up to the first zero byte);
// 0 when the text is not a hexadecimal number.
quint64 macTextToU64(const QByteArray& text);
// At least 12 hexadecimal digits with the separator between pairs.
QByteArray u64ToMacText(quint64 mac, char separator, bool upperCase);
QByteArray macToText(quint64 mac); // ':' and lower case
QByteArray macToUpperText(quint64 mac); // ':' and upper case
// "0.26.43.60.77.94": the six bytes in decimal, as some modules write them.
QByteArray dottedMacFromU64(quint64 mac);
// Exactly six decimal bytes; anything else gives 0.
quint64 dottedMacToU64(const QByteArray& text);
