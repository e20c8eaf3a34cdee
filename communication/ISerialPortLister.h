#pragma once

#include <QString>
#include <QVector>

// One serial port as the system names and describes it. portName is what a
// serial transport opens (a name such as "ttyUSB0" or a full device path).
struct SerialPortEntry
{
    QString portName;
    QString description;
    QString manufacturer;
};

// Lists the serial ports a search or an upload may use. The program asks the
// system; tests hand in pseudo-terminal paths.
class ISerialPortLister
{
public:
    virtual ~ISerialPortLister() = default;
    virtual QVector<SerialPortEntry> availablePorts() const = 0;
};
