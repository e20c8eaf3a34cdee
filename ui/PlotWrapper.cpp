#include "ui/PlotWrapper.h"

#include "ui/ScatterPlot.h"
#include "ui/TimeScatterPlot.h"

namespace Common {

PlotWrapper::PlotWrapper(IPlotData* data, bool timeScale, QObject* parent)
    : QObject(parent), m_data(data),
      m_plot(timeScale ? new Widgets::TimeScatterPlot(data, QStringLiteral("mm:ss.zzz"))
                       : new Widgets::ScatterPlot(data))
{
    m_replotTimer.setSingleShot(true);
    connect(&m_replotTimer, &QTimer::timeout, this, &PlotWrapper::replot);
}

void PlotWrapper::replot()
{
    m_replotTimer.stop();
    m_sinceReplot.start();
    if (m_plot)
        m_plot->replot();
}

void PlotWrapper::resetZoom()
{
    if (m_plot)
        m_plot->resetZoom();
}

QPixmap PlotWrapper::getPixmap()
{
    if (!m_plot)
        return QPixmap();
    // The picture must show every point, also those of a pending redraw.
    if (m_replotTimer.isActive())
        replot();
    return m_plot->grab(m_plot->rect());
}

void PlotWrapper::setXLabel(const QString& label)
{
    if (m_plot)
        m_plot->setXLabel(label);
}

void PlotWrapper::setYLabel(const QString& label)
{
    if (m_plot)
        m_plot->setYLabel(label);
}

void PlotWrapper::onDataChanged()
{
    if (!m_autoReplot || m_replotTimer.isActive())
        return;
    const qint64 since = m_sinceReplot.isValid() ? m_sinceReplot.elapsed() : m_minReplotInterval;
    m_replotTimer.start(int(qMax<qint64>(0, m_minReplotInterval - since)));
}

} // namespace Common
