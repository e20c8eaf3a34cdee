#include "ui/TimeScaleDraw.h"

#include "ui/PlotTime.h"

#include <qwt_text.h>

namespace Common {
namespace Widgets {

TimeScaleDraw::TimeScaleDraw(const QTime& base, const QString& format)
    : m_base(base), m_format(format)
{ }

QwtText TimeScaleDraw::label(double value) const
{
    return QwtText(formatPlotTime(m_base.msecsSinceStartOfDay() + value, m_format, m_showHours));
}

void TimeScaleDraw::setShowHours(bool show)
{
    if (show == m_showHours)
        return;
    m_showHours = show;
    invalidateCache();
}

} // namespace Widgets
} // namespace Common
