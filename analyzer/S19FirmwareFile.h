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

    static bool isValidRecord(const QByteArray& line);

private:
    bool fail(const QString& path, const QString& reason);

    QString m_error;
};
