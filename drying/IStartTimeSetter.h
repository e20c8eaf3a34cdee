#pragma once

#include <QDateTime>

namespace KD {

// Told when a drying run starts.
class IStartTimeSetter
{
public:
    virtual ~IStartTimeSetter() = default;
    virtual void setStartTime(const QDateTime& start) = 0;
};

} // namespace KD
