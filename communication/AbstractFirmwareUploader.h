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

    void setInterface(CInterface* interface) override { m_io.setInterface(interface); }
    void setUseBootloader(bool use) override { m_useBootloader = use; }
    void setFirmwareFile(FirmwareFile* file) override { m_firmware = file; }
    void setLogger(ILogger* logger) { m_io.setLogger(logger); }

protected:
    bool m_useBootloader = false;
    FirmwareFile* m_firmware = nullptr;
    FirmwareDeviceIo m_io;
};

} // namespace Communication
} // namespace Common
