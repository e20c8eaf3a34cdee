#include "communication/DeviceInfo.h"

namespace Common {
namespace Communication {

bool DeviceInfo::operator==(const DeviceInfo& other) const
{
    return model == other.model && serialNumber == other.serialNumber && date == other.date
           && firmware == other.firmware;
}

} // namespace Communication
} // namespace Common
