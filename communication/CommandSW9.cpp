#include "communication/CommandSW9.h"

namespace Common {
namespace Communication {

namespace {

// The serial number ends with its first run of digits; whatever the device
// appends after it is not part of the number.
QString cutSerialNumber(const QString& line)
{
    int i = 0;
    while (i < line.size() && !line.at(i).isDigit())
        ++i;
    if (i == line.size())
        return line;
    while (i < line.size() && line.at(i).isDigit())
        ++i;
    return line.left(i);
}

} // namespace

CommandSW9::CommandSW9(bool extended, QObject* parent)
    : CommandDevInfo(parent), m_extended(extended)
{ }

bool CommandSW9::handleLine(QString line)
{
    if (isFinished())
        return false;
    m_lines.append(line);
    if (m_lines.size() != (m_extended ? 8 : 6))
        return true;
    parse();
    m_parsed = true;
    setFinished();
    return true;
}

QString CommandSW9::text() { return QStringLiteral("SW9\r\n"); }

DeviceInfo CommandSW9::deviceInfo()
{
    return DeviceInfo{m_model, m_serialNumber, m_date, m_firmware};
}

bool CommandSW9::hasDeviceInfo() { return m_parsed; }

void CommandSW9::parse()
{
    m_model = m_lines.at(0);
    m_serialNumber = cutSerialNumber(m_lines.at(1));
    m_date = m_lines.at(2);
    m_firmware = m_lines.at(3);
    if (m_extended) {
        const QString& last = m_lines.at(7);
        if (last.startsWith(QLatin1String("F:")) && last.size() > 2)
            m_firmware = last.mid(2);
    }
}

} // namespace Communication
} // namespace Common
