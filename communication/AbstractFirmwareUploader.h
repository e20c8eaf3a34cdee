#pragma once

#include "communication/FirmwareDeviceIo.h"
#include "communication/IFirmwareUploader.h"

namespace Common {
namespace Communication {

class AbstractFirmwareUploader : public IFirmwareUploader
{
    Q_OBJECT

public:
    using IFirmwareUploader::IFirmwareUploader;

    void setInterface(CInterface* interface) override { io.setInterface(interface); }
    void setUseBootloader(bool use) override { useBootloader = use; }
    void setFirmwareFile(FirmwareFile* file) override { firmware = file; }
    void setLogger(ILogger* logger) { io.setLogger(logger); }

protected:
    bool useBootloader = false;
    FirmwareFile* firmware = nullptr;
    FirmwareDeviceIo io;
};

} // namespace Communication
} // namespace Common
