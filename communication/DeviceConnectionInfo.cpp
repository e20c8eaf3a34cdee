#include "communication/DeviceConnectionInfo.h"

namespace Common {
namespace Communication {

bool DeviceConnectionInfo::operator==(const DeviceConnectionInfo& other) const
{
    return connectionInfo == other.connectionInfo && deviceInfo == other.deviceInfo;
}

void registerConnectionRecordTypes()
{
    qRegisterMetaType<ConnectionInfo>("Common::Communication::ConnectionInfo");
    qRegisterMetaType<DeviceInfo>("Common::Communication::DeviceInfo");
    qRegisterMetaType<DeviceConnectionInfo>("Common::Communication::DeviceConnectionInfo");
}

} // namespace Communication
} // namespace Common
