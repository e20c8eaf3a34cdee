#pragma once

#include <QObject>

namespace Common {
namespace Communication {

class Command;
class IDeviceInfoHandler;

// Receives the outcome of each command; the product plugs in its own. The
// command passed is only lent for the duration of the call.
class CommandHandler : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void setDeviceInfoHandler(IDeviceInfoHandler* handler) { m_deviceInfoHandler = handler; }
    IDeviceInfoHandler* deviceInfoHandler() const { return m_deviceInfoHandler; }

    virtual void onCommandOk(Command* cmd, int code) = 0;
    virtual void onAborted(int code) = 0;
    virtual void onSendFailed(Command* cmd, int code) = 0;
    virtual void onFailed(Command* cmd, int code, int status) = 0;

private:
    IDeviceInfoHandler* m_deviceInfoHandler = nullptr;
};

} // namespace Communication
} // namespace Common
