#pragma once

#include <QByteArray>
#include <QString>

namespace Common {
namespace Communication {

// Finds the MAC of a neighbour from the operating system's ARP table.
class IArpTable
{
public:
    virtual ~IArpTable() = default;
    // The MAC text for an IPv4 address text; empty when unknown.
    virtual QByteArray macTextFor(const QString& ipv4) = 0;
};

} // namespace Communication
} // namespace Common
