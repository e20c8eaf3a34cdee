#pragma once

#include <QtGlobal>

namespace Common {
namespace Communication {

// Maps the IPv4 address of a network module to its MAC, so that a device
// connecting to one of our TCP servers is recognised without asking "arp".
class IMacIpMapper
{
public:
    virtual ~IMacIpMapper() = default;
    // Sets the MAC of the address, replacing an older one.
    virtual void insert(quint32 ipv4, quint64 mac) = 0;
    // Returns the stored MAC, or 0 with *found false when the address is unknown.
    virtual quint64 lookup(quint32 ipv4, bool* found) = 0;
    virtual void clear() = 0;
};

} // namespace Communication
} // namespace Common
