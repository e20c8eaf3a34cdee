#pragma once

#include <QMetaType>
#include <QString>

namespace Common {
namespace Communication {

// What a device said about itself in its identification reply.
struct DeviceInfo
{
    QString model;
    QString serialNumber;
    QString date;
    QString firmware;

    bool operator==(const DeviceInfo& other) const;
    bool operator!=(const DeviceInfo& other) const { return !(*this == other); }
};

} // namespace Communication
} // namespace Common

Q_DECLARE_METATYPE(Common::Communication::DeviceInfo)
