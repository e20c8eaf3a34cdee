#pragma once

#include <QString>

namespace Common {
namespace CSV {

// Why a load failed. Reason, line and line number are set only for a refused
// row (code 3); the line number counts every line of the file from 1, and
// the line text is the start of that line.
struct LoadErrorInfo
{
    int code = 0;
    QString reason;
    QString lineText;
    int lineNumber = 0;
};

} // namespace CSV
} // namespace Common
