#pragma once

#include "communication/DeviceInfo.h"

#include <QObject>

namespace Common {
namespace Communication {

class CommnadEngine;

// A device as the connection manager sees it: it is given a command engine
// per connection and asked to connect and disconnect.
class IDevice : public QObject
{
    Q_OBJECT

public:
    // Connection states of connectionStateChanged().
    enum State { Connected = 1, Disconnected = 2, Connecting = 4 };
    // Reasons that come with Disconnected.
    enum Reason { EchoFailed = 0, ConnectingFailed = 1, Requested = 2, InterfaceLost = 3 };

    using QObject::QObject;

    virtual void setCommandEngine(CommnadEngine* engine) = 0;
    virtual void requestDisconnect() = 0;
    virtual void requestConnect() = 0;
    virtual DeviceInfo deviceInfo() = 0;

signals:
    void connectionStateChanged(int state, int reason);
    // The transport could not be opened.
    void connectionFailed();
};

} // namespace Communication
} // namespace Common
