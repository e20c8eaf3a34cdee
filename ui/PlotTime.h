#pragma once

#include <QString>

namespace Common {
namespace Widgets {

constexpr qint64 msPerHour = 3600000;

// Text of a time offset in milliseconds (truncated toward zero) in a format
// such as "mm:ss.zzz". A format without hours wraps at one hour, so hours are
// put in front ("01:02:03.004") when asked for or when the offset reaches an
// hour; a negative offset gets a minus sign instead of wrapping to 59:59.
QString formatPlotTime(double ms, const QString& format, bool withHours);

} // namespace Widgets
} // namespace Common
