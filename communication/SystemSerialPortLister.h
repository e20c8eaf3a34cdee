#pragma once

#include "communication/ISerialPortLister.h"

// The system's serial ports. The system never lists pseudo-terminals, so on
// Linux the device paths named in SORVANA_EXTRA_SERIAL_PORTS (separated by
// ":") are listed as well: that is how a simulated analyzer is found.
class SystemSerialPortLister : public ISerialPortLister
{
public:
    static constexpr const char* kExtraPortsVariable = "SORVANA_EXTRA_SERIAL_PORTS";

    QVector<SerialPortEntry> availablePorts() const override;
};
