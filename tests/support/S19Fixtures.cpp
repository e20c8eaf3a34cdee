#include "tests/support/S19Fixtures.h"

#include <QFile>

namespace S19Fixtures {

QByteArray record(quint16 address, const QByteArray& data)
{
    QByteArray bytes;
    bytes.append(char(data.size() + 3));
    bytes.append(char(address >> 8));
    bytes.append(char(address & 0xFF));
    bytes.append(data);
    unsigned sum = 0;
    for (char b : bytes)
        sum += quint8(b);
    bytes.append(char(~sum & 0xFF));
    return "S1" + bytes.toHex().toUpper();
}

QByteArrayList records(int count)
{
    QByteArrayList list;
    for (int i = 0; i < count; ++i)
        list << record(quint16(i * 4), QByteArray::number(1000 + i));
    return list;
}

QByteArray join(const QByteArrayList& records, const QByteArray& end, bool lastEnded)
{
    QByteArray text = records.join(end);
    if (lastEnded && !records.isEmpty())
        text += end;
    return text;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(content) == content.size();
}

} // namespace S19Fixtures
