#include "ui/TimeScatterPlot.h"

#include "ui/PlotTime.h"
#include "ui/TimePlotZoomer.h"
#include "ui/TimeScaleDraw.h"

#include <qwt_scale_widget.h>

#include <QTime>

namespace Common {
namespace Widgets {

TimeScatterPlot::TimeScatterPlot(const IPlotData* data, const QString& format)
    : ScatterPlot(data), m_format(format), m_xLabel(axisTitle(xBottom).text()),
      m_scaleDraw(new TimeScaleDraw(QTime(0, 0), format))
{
    updateXTitle();
    setAxisScaleDraw(xBottom, m_scaleDraw);
    setAxisLabelRotation(xBottom, -50.0);
    setAxisLabelAlignment(xBottom, Qt::AlignLeft | Qt::AlignBottom);
    // The zoomer replots while it is built, so replot() must already work.
    auto* zoomer = new TimePlotZoomer(canvas());
    zoomer->setShowHours(m_showHours);
    m_timeZoomer = zoomer;
    replaceZoomer(zoomer);
}

void TimeScatterPlot::replot()
{
    syncData();
    // Points come in time order, so the extent only grows during a run.
    const QRectF bounds = dataBounds();
    const bool hours = bounds.width() >= 0.0 && bounds.right() >= msPerHour;
    if (hours != m_showHours) {
        m_showHours = hours;
        m_scaleDraw->setShowHours(hours);
        if (m_timeZoomer)
            m_timeZoomer->setShowHours(hours);
        updateXTitle();
        updateLayout(); // the labels change width
    }
    QwtPlot::replot();
}

void TimeScatterPlot::setXLabel(const QString& label)
{
    m_xLabel = label;
    updateXTitle();
}

void TimeScatterPlot::updateXTitle()
{
    const QString unit = m_showHours && !m_format.contains(QLatin1Char('h'), Qt::CaseInsensitive)
                             ? QStringLiteral("hh:") + m_format
                             : m_format;
    setAxisTitle(xBottom, m_xLabel + QStringLiteral(" [") + unit + QStringLiteral("]"));
}

} // namespace Widgets
} // namespace Common
