#pragma once

#include "communication/CommandDevInfo.h"

#include <QVector>

namespace Common {
namespace Communication {

// "SW9": the analyzer answers with six lines (eight in the extended form):
// model, serial number, date, firmware, then lines that are not used.
class CommandSW9 : public CommandDevInfo
{
    Q_OBJECT

public:
    explicit CommandSW9(bool extended = false, QObject* parent = nullptr);

    bool handleLine(QString line) override;
    QString text() override;
    DeviceInfo deviceInfo() override;
    bool hasDeviceInfo() override;

private:
    void parse();

    QVector<QString> m_lines;
    bool m_extended = false;
    bool m_parsed = false;
    QString m_model;
    QString m_serialNumber;
    QString m_date;
    QString m_firmware;
};

} // namespace Communication
} // namespace Common
