#pragma once

#include <QString>

namespace Common {
namespace Communication {

// Takes the received lines that no running command consumed: the device's
// unsolicited lines and late replies.
class ILineHandler
{
public:
    virtual ~ILineHandler() = default;
    virtual bool handleLine(QString line) = 0;
};

} // namespace Communication
} // namespace Common
