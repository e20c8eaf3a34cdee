#pragma once

#include "communication/FirmwareFile.h"

// Motorola S-record firmware. Lines are kept byte for byte, line endings
// included, because the bootloader gets them exactly as the file holds them.
class S19FirmwareFile : public FirmwareFile
{
public:
    // False for an unreadable, empty or malformed file; the image is then
    // left empty, so that nothing half-read can ever be sent to a device.
    bool load(const QString& path) override;

    // Why the last load failed; empty after a successful one.
    QString errorString() const { return m_error; }

    enum class Record { Valid, Malformed, BadChecksum };
    static Record checkRecord(const QByteArray& line);
    static bool isValidRecord(const QByteArray& line) { return checkRecord(line) == Record::Valid; }

    // A record's count byte is at most 255: "S", the type, 256 hex pairs and
    // CR LF make 516 bytes. A longer line is no record, and is read no further.
    static constexpr int kMaxLineLength = 1024;
    // The analyzer takes a file one line and its answer at a time at 115200
    // baud, some 11 KiB a second: 16 MiB, over 5 MiB of image in records of
    // 16 data bytes, would take half an hour. A larger file is no firmware
    // of it, and is not read.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

private:
    bool fail(const QString& path, const QString& reason);

    QString m_error;
};
