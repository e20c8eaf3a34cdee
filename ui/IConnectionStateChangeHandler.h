#pragma once

#include "communication/DeviceConnectionInfo.h"

namespace Common {

// Told of every connection event: 0 connected, 1 connecting, 2 disconnected,
// 4 could not connect.
class IConnectionStateChangeHandler
{
public:
    enum Event { Connected = 0, Connecting = 1, Disconnected = 2, CouldNotConnect = 4 };

    virtual ~IConnectionStateChangeHandler() = default;
    virtual void onConnectionStateChange(int event, Communication::DeviceConnectionInfo info) = 0;
};

} // namespace Common
