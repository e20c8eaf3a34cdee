#pragma once

#include <QObject>

namespace Common {
namespace Communication {

// The texts of the reachability reason codes.
class UnreachableTrProvider : public QObject
{
    Q_OBJECT

public:
    enum Reason {
        NoDhcpAddress = 0,
        DhcpAddressOutsideSubnet = 1,
        AddressOutsideSubnet = 2,
        DhcpCannotReachPc = 3,
        CannotReachPc = 4,
        WrongRemoteIp = 5,
        WrongTransport = 6
    };

    // "Unknown reason" for a code outside 0 to 6.
    static QString reasonText(int code);
};

} // namespace Communication
} // namespace Common
