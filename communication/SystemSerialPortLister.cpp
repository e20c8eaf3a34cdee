#include "communication/SystemSerialPortLister.h"

#include <QSerialPortInfo>

QVector<SerialPortEntry> SystemSerialPortLister::availablePorts() const
{
    QVector<SerialPortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos)
        ports.append({info.portName(), info.description(), info.manufacturer()});
#ifdef Q_OS_LINUX
    const QStringList extra =
        qEnvironmentVariable(kExtraPortsVariable).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& path : extra)
        ports.append({path.trimmed(), QString(), QString()});
#endif
    return ports;
}
