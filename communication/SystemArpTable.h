#pragma once

#include "communication/IArpTable.h"

namespace Common {
namespace Communication {

// Windows asks "arp -a"; Linux reads /proc/net/arp. Either way an address
// of one of the PC's own interfaces yields that interface's MAC.
class SystemArpTable : public IArpTable
{
public:
    QByteArray macTextFor(const QString& ipv4) override;

    void setArpTimeout(int ms) { m_arpTimeout = ms; }

private:
    int m_arpTimeout = 30000;
};

// The token after the first token equal to the address in "arp -a" output.
QByteArray macFromArpOutput(const QString& output, const QString& ipv4);
// The "HW address" column of the address's row in /proc/net/arp; empty for
// an incomplete entry.
QByteArray macFromProcNetArp(const QString& table, const QString& ipv4);
// The MAC text read from the table when it is one, else that of the PC's
// own interface with the address (empty when there is none).
QByteArray macTextOrOwn(const QByteArray& tableText, const QString& ipv4);
// The MAC of the PC's own non-loopback interface with that address, in
// lower case with '-' between pairs.
QByteArray macOfOwnInterface(const QString& ipv4);

} // namespace Communication
} // namespace Common
