#pragma once

#include <QString>

class IFirmwareProgressReceiver;

namespace Common {
class IFirmwareMessageDisplay;
namespace Communication {
class ConnectionInfo;
}
} // namespace Common

// How the firmware dialog uploads a file for one kind of device.
class IFirmwareImplementation
{
public:
    virtual ~IFirmwareImplementation() = default;
    // The file dialog's pattern, such as "(*.S19)".
    virtual QString fileFilter() = 0;
    // False when the upload could not start.
    virtual bool upload(const QString& path) = 0;
    virtual void setProgressReceiver(IFirmwareProgressReceiver* receiver) = 0;
    virtual bool closeAfterFinish() = 0;
    // An empty record uploads over the open connection.
    virtual void setConnectionInfo(const Common::Communication::ConnectionInfo& info) = 0;
    virtual void setUseBootloader(bool use) = 0;
    virtual void setMessageDisplay(Common::IFirmwareMessageDisplay* display) = 0;
};
