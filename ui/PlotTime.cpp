#include "ui/PlotTime.h"

#include <QTime>

#include <cmath>

namespace Common {
namespace Widgets {

QString formatPlotTime(double ms, const QString& format, bool withHours)
{
    // Far beyond any run; keeps the conversion defined for garbage values.
    constexpr double limit = 1e15;
    const double bounded = std::isfinite(ms) ? qBound(-limit, std::trunc(ms), limit) : 0.0;
    const qint64 signedMs = qint64(bounded);
    const qint64 t = signedMs < 0 ? -signedMs : signedMs;
    const QString sign = signedMs < 0 ? QStringLiteral("-") : QString();
    const bool formatHasHours = format.contains(QLatin1Char('h'), Qt::CaseInsensitive);
    if (formatHasHours || (!withHours && t < msPerHour))
        return sign + QTime(0, 0).addMSecs(int(t % (24 * msPerHour))).toString(format);
    return sign + QStringLiteral("%1:").arg(t / msPerHour, 2, 10, QLatin1Char('0'))
           + QTime(0, 0).addMSecs(int(t % msPerHour)).toString(format);
}

} // namespace Widgets
} // namespace Common
