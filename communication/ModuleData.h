#pragma once

#include <QByteArray>
#include <QMetaType>

namespace Common {
namespace Communication {

// What a network module's discovery or status reply says of it. A module with
// a static address has both flags false; the id is the module's own text form
// of its MAC, the one a select request names.
struct ModuleData
{
    bool dhcp = false;
    bool addressObtained = false;
    QByteArray id;
    quint64 mac = 0;
};

} // namespace Communication
} // namespace Common

Q_DECLARE_METATYPE(Common::Communication::ModuleData)
