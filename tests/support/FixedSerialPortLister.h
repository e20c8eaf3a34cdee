#pragma once

#include "communication/ISerialPortLister.h"

// The ports a test hands to a search: pseudo-terminal paths and made-up ones.
class FixedSerialPortLister : public ISerialPortLister
{
public:
    void add(const QString& portName, const QString& description = QString(),
             const QString& manufacturer = QString())
    {
        m_ports.append({portName, description, manufacturer});
    }
    QVector<SerialPortEntry> availablePorts() const override { return m_ports; }

private:
    QVector<SerialPortEntry> m_ports;
};
