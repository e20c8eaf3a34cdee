#pragma once

#include <QDateTime>
#include <QString>

namespace Common {
namespace Communication {

// Records every piece of text read from or written to a device.
class ILogger
{
public:
    virtual ~ILogger() = default;
    virtual void received(QString interfaceDescription, QDateTime when, QString text) = 0;
    virtual void sent(QString interfaceDescription, QDateTime when, QString text) = 0;
};

} // namespace Communication
} // namespace Common
