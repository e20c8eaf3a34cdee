#pragma once

#include <QObject>

class CInterface;
class FirmwareFile;

namespace Common {
namespace Communication {

// Sends a firmware image to a device over an open interface.
class IFirmwareUploader : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void upload() = 0;
    virtual void setInterface(CInterface* interface) = 0;
    virtual void setUseBootloader(bool use) = 0;
    virtual void setFirmwareFile(FirmwareFile* file) = 0;

signals:
    // 1 success, 0 failure.
    void uploadFinished(int result);
    void uploadProgress(int percent);
    // 1 the bootloader answered, 2 the data transfer started.
    void uploadState(int state);
};

} // namespace Communication
} // namespace Common
