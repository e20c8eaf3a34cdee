#include "drying/PlotSvgGetter.h"

#include "ui/PlotWrapper.h"
#include "ui/ScatterPlot.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <qwt_plot_renderer.h>

namespace Common {

PlotSvgGetter::PlotSvgGetter(PlotWrapper* plot, const QSize& size) : m_plot(plot), m_size(size) { }

QByteArray PlotSvgGetter::svgPicture()
{
    if (!m_plot->widget())
        return QByteArray();
    // The picture must show every point, also those of a pending redraw.
    if (m_plot->replotPending())
        m_plot->replot();
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(m_size);
    generator.setViewBox(QRect(QPoint(0, 0), m_size));
    QPainter painter(&generator);
    QwtPlotRenderer renderer;
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
    renderer.setDiscardFlag(QwtPlotRenderer::DiscardCanvasFrame);
    renderer.render(m_plot->widget(), &painter, QRectF(QPointF(0, 0), m_size));
    painter.end();
    return svg.data();
}

} // namespace Common
