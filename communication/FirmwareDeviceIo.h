#pragma once

class CInterface;

namespace Common {
namespace Communication {
class ILogger;
}
} // namespace Common

// The uploader's view of the device: the open interface and the log.
class FirmwareDeviceIo
{
public:
    void setInterface(CInterface* interface) { m_interface = interface; }
    CInterface* interface() const { return m_interface; }
    void setLogger(Common::Communication::ILogger* logger) { m_logger = logger; }
    Common::Communication::ILogger* logger() const { return m_logger; }

    bool isSerial() const;
    // 0 without an interface or when it is not a serial port.
    int baudRate() const;
    // True without doing anything when there is no serial port to switch.
    bool setBaudRate(int baudRate);

private:
    CInterface* m_interface = nullptr;
    Common::Communication::ILogger* m_logger = nullptr;
};
