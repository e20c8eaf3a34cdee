#include "communication/SystemArpTable.h"

#include "communication/MacConversions.h"

#include <QNetworkInterface>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <QFile>
#endif

namespace Common {
namespace Communication {

QByteArray SystemArpTable::macTextFor(const QString& ipv4)
{
#ifdef Q_OS_WIN
    QProcess arp;
    arp.start(QStringLiteral("arp"), {QStringLiteral("-a")});
    arp.waitForFinished(m_arpTimeout);
    QByteArray mac = macFromArpOutput(QString::fromLocal8Bit(arp.readAllStandardOutput()), ipv4);
#else
    QFile file(QStringLiteral("/proc/net/arp"));
    QByteArray mac;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        mac = macFromProcNetArp(QString::fromLatin1(file.readAll()), ipv4);
#endif
    return macTextOrOwn(mac, ipv4);
}

QByteArray macTextOrOwn(const QByteArray& tableText, const QString& ipv4)
{
    // "arp -a" lists the PC's own address as "Interface: ADDRESS --- 0xb":
    // a piece that is no MAC must not hide the own interface's MAC.
    return macTextToU64(tableText) != 0 ? tableText : macOfOwnInterface(ipv4);
}

QByteArray macFromArpOutput(const QString& output, const QString& ipv4)
{
    const QStringList tokens = output.split(QRegularExpression(QStringLiteral("\\s+")));
    const int at = tokens.indexOf(ipv4);
    if (at < 0 || at + 1 >= tokens.size())
        return QByteArray();
    return tokens.at(at + 1).toLatin1();
}

QByteArray macFromProcNetArp(const QString& table, const QString& ipv4)
{
    // Columns: IP address, HW type, Flags, HW address, Mask, Device.
    const QStringList rows = table.split(QLatin1Char('\n'));
    for (const QString& row : rows) {
        const QStringList columns = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (columns.size() < 4 || columns.at(0) != ipv4)
            continue;
        // Flags 0x0: the neighbour never answered, its MAC is all zeros.
        if (columns.at(2) == QLatin1String("0x0"))
            return QByteArray();
        return columns.at(3).toLatin1();
    }
    return QByteArray();
}

QByteArray macOfOwnInterface(const QString& ipv4)
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& iface : interfaces) {
        if (iface.flags().testFlag(QNetworkInterface::IsLoopBack))
            continue;
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry& entry : entries) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol
                && entry.ip().toString() == ipv4)
                return iface.hardwareAddress()
                    .toLower()
                    .replace(QLatin1Char(':'), QLatin1Char('-'))
                    .toLatin1();
        }
    }
    return QByteArray();
}

} // namespace Communication
} // namespace Common
