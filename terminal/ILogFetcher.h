#pragma once

#include "terminal/LogEntry.h"

namespace Common {
namespace Communication {

// Hands out the logged entries, oldest first.
class ILogFetcher
{
public:
    virtual ~ILogFetcher() = default;
    virtual bool hasRecords() = 0;
    // Only after hasRecords() said true.
    virtual LogEntry takeFirst() = 0;
};

} // namespace Communication
} // namespace Common
