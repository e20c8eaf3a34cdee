#pragma once

#include "communication/VornLogRecord.h"

namespace Common {
namespace Communication {

// One logged piece of text with its direction.
struct LogEntry
{
    bool isIn = false; // received from the device
    VornLogRecord record;
};

} // namespace Communication
} // namespace Common
