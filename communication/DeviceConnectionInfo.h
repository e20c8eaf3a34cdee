#pragma once

#include "communication/ConnectionInfo.h"
#include "communication/DevNetworkInterface.h"
#include "communication/DeviceInfo.h"

#include <QMetaType>
#include <QVector>

namespace Common {
namespace Communication {

// One found or connected device. The search fills and reads commandVariant,
// reasons and searchFlag; the communication core only copies them.
struct DeviceConnectionInfo
{
    ConnectionInfo connectionInfo;
    DeviceInfo deviceInfo;
    qint32 commandVariant = 0; // the variant the device answered to
    QVector<int> reasons; // why a LAN device cannot be reached; empty when it can
    DevNetworkInterface networkInterface;
    bool searchFlag = false;

    bool operator==(const DeviceConnectionInfo& other) const;
    bool operator!=(const DeviceConnectionInfo& other) const { return !(*this == other); }
};

// Registers ConnectionInfo, DeviceInfo and DeviceConnectionInfo under their
// full names, so they travel in QVariants through queued signals.
void registerConnectionRecordTypes();

} // namespace Communication
} // namespace Common

Q_DECLARE_METATYPE(Common::Communication::DeviceConnectionInfo)
