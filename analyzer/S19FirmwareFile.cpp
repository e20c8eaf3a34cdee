#include "analyzer/S19FirmwareFile.h"

#include <QDebug>
#include <QFile>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray withoutLineEnd(const QByteArray& line)
{
    if (line.endsWith("\r\n"))
        return line.left(line.size() - 2);
    if (line.endsWith('\n'))
        return line.left(line.size() - 1);
    return line;
}

} // namespace

// "S", a type digit, then hex pairs: byte count, address, data, checksum.
// The count covers everything after it; the checksum is the one's complement
// of the low byte of the sum of count, address and data.
bool S19FirmwareFile::isValidRecord(const QByteArray& line)
{
    const QByteArray record = withoutLineEnd(line);
    if (record.size() < 4 || record.at(0) != 'S' || hexValue(record.at(1)) < 0
        || hexValue(record.at(1)) > 9 || record.size() % 2 != 0)
        return false;
    unsigned sum = 0;
    QByteArray bytes;
    for (int i = 2; i < record.size(); i += 2) {
        const int high = hexValue(record.at(i));
        const int low = hexValue(record.at(i + 1));
        if (high < 0 || low < 0)
            return false;
        bytes.append(char(high * 16 + low));
    }
    const int byteCount = quint8(bytes.at(0));
    if (byteCount < 1 || byteCount != bytes.size() - 1)
        return false;
    for (int i = 0; i < bytes.size() - 1; ++i)
        sum += quint8(bytes.at(i));
    return quint8(~sum) == quint8(bytes.at(bytes.size() - 1));
}

bool S19FirmwareFile::fail(const QString& path, const QString& reason)
{
    error = reason;
    qWarning().noquote() << "Firmware file" << path << "not loaded:" << reason;
    return false;
}

bool S19FirmwareFile::load(const QString& path)
{
    clear();
    error.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(path, file.errorString());
    QList<QByteArray> read;
    qint64 total = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (!isValidRecord(line))
            return fail(path, QStringLiteral("line %1 is not an S-record").arg(read.size() + 1));
        total += line.size();
        read.append(line);
    }
    if (total != file.size())
        return fail(path, QStringLiteral("file read incompletely"));
    if (read.isEmpty())
        return fail(path, QStringLiteral("file is empty"));
    lines = read;
    return true;
}
