#include "communication/FirmwareDeviceIo.h"

#include "communication/CRS232.h"

bool FirmwareDeviceIo::isSerial() const { return qobject_cast<CRS232*>(m_interface) != nullptr; }

int FirmwareDeviceIo::baudRate() const
{
    const CRS232* port = qobject_cast<CRS232*>(m_interface);
    return port ? port->baudRate() : 0;
}

bool FirmwareDeviceIo::setBaudRate(int baudRate)
{
    CRS232* port = qobject_cast<CRS232*>(m_interface);
    if (!port)
        return true;
    port->setBaudRate(baudRate);
    return port->baudRate() == baudRate;
}
