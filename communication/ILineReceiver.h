#pragma once

#include <QString>

namespace Common {

// Takes the complete lines a LineSplitter cuts from a buffer.
class ILineReceiver
{
public:
    virtual ~ILineReceiver() = default;
    virtual void onLine(QString line) = 0;
};

} // namespace Common
