#include "analyzer/S19FirmwareFile.h"

#include <QDebug>
#include <QFile>

#include <algorithm>
#include <cctype>
#include <numeric>

namespace {

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
S19FirmwareFile::Record S19FirmwareFile::checkRecord(const QByteArray& line)
{
    const QByteArray record = withoutLineEnd(line);
    if (record.size() < 4 || record.size() % 2 != 0 || record.at(0) != 'S'
        || !std::isdigit(uchar(record.at(1))))
        return Record::Malformed;
    // fromHex skips what is no hex digit, so every character is checked first.
    const QByteArray hex = record.mid(2);
    if (!std::all_of(hex.cbegin(), hex.cend(), [](char c) { return std::isxdigit(uchar(c)); }))
        return Record::Malformed;
    const QByteArray bytes = QByteArray::fromHex(hex);
    const int byteCount = quint8(bytes.front());
    if (byteCount < 1 || byteCount != bytes.size() - 1)
        return Record::Malformed;
    const unsigned sum = std::accumulate(bytes.cbegin(), bytes.cend() - 1, 0u,
                                         [](unsigned s, char b) { return s + quint8(b); });
    return quint8(~sum) == quint8(bytes.back()) ? Record::Valid : Record::BadChecksum;
}

bool S19FirmwareFile::fail(const QString& path, const QString& reason)
{
    m_error = reason;
    qWarning().noquote() << "Firmware file" << path << "not loaded:" << reason;
    return false;
}

bool S19FirmwareFile::load(const QString& path)
{
    clear();
    m_error.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(path, file.errorString());
    if (file.size() > kMaxFileSize)
        return fail(path, QStringLiteral("file is larger than %1 bytes").arg(kMaxFileSize));
    QList<QByteArray> read;
    qint64 total = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(kMaxLineLength);
        switch (checkRecord(line)) {
        case Record::Valid: break;
        case Record::BadChecksum:
            return fail(path, QStringLiteral("checksum error in line %1").arg(read.size() + 1));
        case Record::Malformed:
            return fail(path, QStringLiteral("line %1 is not an S-record").arg(read.size() + 1));
        }
        total += line.size();
        read.append(line);
    }
    if (total != file.size())
        return fail(path, QStringLiteral("file read incompletely"));
    if (read.isEmpty())
        return fail(path, QStringLiteral("file is empty"));
    m_lines = read;
    return true;
}
