#include "ui/TimePlotZoomer.h"

#include "ui/PlotTime.h"

#include <qwt_text.h>

TimePlotZoomer::TimePlotZoomer(QWidget* canvas) : QwtPlotZoomer(canvas, true) { }

QwtText TimePlotZoomer::trackerTextF(const QPointF& position) const
{
    return QwtText(
        Common::Widgets::formatPlotTime(position.x(), QStringLiteral("mm:ss.zzz"), m_showHours)
        + QStringLiteral(", ") + QString::number(position.y(), 'g', 6));
}
