#include "ui/ScatterPlot.h"

#include "ui/PlotDataSeries.h"
#include "ui/PlotTrProvider.h"

#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_magnifier.h>
#include <qwt_plot_panner.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>

#include <QKeyEvent>
#include <QMouseEvent>

namespace Common {
namespace Widgets {

namespace {

// Keeps Home from resetting the zoom: Escape does that.
constexpr int unusedHomeKey = Qt::Key_F30;

// Left scale labels with up to nine significant digits.
class MyScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double value) const override { return QwtText(QString::number(value, 'g', 9)); }
};

void configureZoomer(QwtPlotZoomer* zoomer)
{
    zoomer->initMousePattern(1);
    zoomer->setMousePattern(QwtEventPattern::MouseSelect1, Qt::RightButton, Qt::NoModifier);
    zoomer->setKeyPattern(QwtEventPattern::KeyHome, unusedHomeKey);
    zoomer->setRubberBandPen(QPen(Qt::black));
    zoomer->setTrackerPen(QPen(Qt::red));
}

QPalette scalePalette(const QPalette& base, const QColor& colour)
{
    QPalette palette = base;
    palette.setColor(QPalette::All, QPalette::WindowText, colour);
    palette.setColor(QPalette::All, QPalette::Text, colour);
    return palette;
}

} // namespace

ScatterPlot::ScatterPlot(const IPlotData* data)
    : QwtPlot(nullptr), m_texts(new PlotTrProvider(this)), m_series(new PlotDataSeries(data)),
      m_curve(new QwtPlotCurve(QString()))
{
    retranslate();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumSize(0, 0);

    auto* symbol = new QwtSymbol(QwtSymbol::Ellipse);
    symbol->setSize(5, 5);
    symbol->setBrush(QColor(0, 0, 0, 100));
    symbol->setPen(QColor(255, 255, 255, 0), 0, Qt::SolidLine);
    m_curve->setSymbol(symbol);
    m_curve->setPen(
        QPen(QBrush(QColor(50, 50, 50)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    // Long runs: skip points that land on the same pixel.
    m_curve->setPaintAttribute(QwtPlotCurve::FilterPoints, true);
    m_curve->setData(m_series);
    m_curve->attach(this);

    QFont scaleFont = axisWidget(xBottom)->font();
    scaleFont.setPointSize(8);
    axisWidget(xBottom)->setFont(scaleFont);
    axisWidget(yLeft)->setFont(scaleFont);

    m_magnifier = new QwtPlotMagnifier(canvas());
    m_magnifier->setMouseButton(Qt::NoButton);
    m_magnifier->setWheelFactor(1.1);
    m_magnifier->setAxisEnabled(xBottom, true);
    m_magnifier->setAxisEnabled(yLeft, true);

    m_panner = new QwtPlotPanner(canvas());
    m_panner->setMouseButton(Qt::LeftButton, Qt::NoModifier);

    m_zoomer = new QwtPlotZoomer(canvas(), true);
    configureZoomer(m_zoomer);

    auto* grid = new QwtPlotGrid;
    grid->enableX(true);
    grid->enableY(true);
    grid->enableXMin(true);
    grid->enableYMin(true);
    grid->setMajorPen(Qt::darkGray, 0, Qt::SolidLine);
    grid->setMinorPen(Qt::lightGray, 0, Qt::DotLine);
    grid->attach(this);

    setAxisScaleDraw(yLeft, new MyScaleDraw);
    updateAxes();
    m_startX = axisInterval(xBottom);
    m_startY = axisInterval(yLeft);
}

void ScatterPlot::replot()
{
    syncData();
    QwtPlot::replot();
}

void ScatterPlot::syncData() { m_series->sync(); }

QRectF ScatterPlot::dataBounds() const { return m_series->boundingRect(); }

void ScatterPlot::retranslate() { setToolTip(m_texts->text(PlotTrProvider::HelpText)); }

void ScatterPlot::setXLabel(const QString& label) { setAxisTitle(xBottom, label); }

void ScatterPlot::setYLabel(const QString& label) { setAxisTitle(yLeft, label); }

void ScatterPlot::resetZoom()
{
    // With no points auto-scaling keeps the last ranges: the scales go back
    // to those of a new plot.
    syncData();
    if (dataBounds().width() < 0.0) {
        setAxisScale(xBottom, m_startX.minValue(), m_startX.maxValue());
        setAxisScale(yLeft, m_startY.minValue(), m_startY.maxValue());
    }
    setAxisAutoScale(xBottom, true);
    setAxisAutoScale(yLeft, true);
    m_zoomer->setZoomBase(true);
}

void ScatterPlot::nextZoomMode()
{
    applyZoomMode(m_zoomMode == ZoomXOnly ? ZoomBoth : m_zoomMode + 1);
}

void ScatterPlot::applyZoomMode(int mode)
{
    m_zoomMode = mode;
    const bool xZooms = mode != ZoomYOnly;
    const bool yZooms = mode != ZoomXOnly;
    m_magnifier->setAxisEnabled(xBottom, xZooms);
    m_magnifier->setAxisEnabled(yLeft, yZooms);
    QwtScaleWidget* x = axisWidget(xBottom);
    QwtScaleWidget* y = axisWidget(yLeft);
    x->setPalette(scalePalette(x->palette(), xZooms ? Qt::black : Qt::gray));
    y->setPalette(scalePalette(y->palette(), yZooms ? Qt::black : Qt::gray));
}

void ScatterPlot::replaceZoomer(QwtPlotZoomer* zoomer)
{
    m_zoomer->deleteLater();
    m_zoomer = zoomer;
    configureZoomer(m_zoomer);
}

void ScatterPlot::mousePressEvent(QMouseEvent* event)
{
    QwtPlot::mousePressEvent(event);
    if (event->button() == Qt::MiddleButton)
        nextZoomMode();
}

bool ScatterPlot::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            resetZoom();
            return true;
        }
        if (key == Qt::Key_X) {
            nextZoomMode();
            return true;
        }
    } else if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    return QwtPlot::eventFilter(watched, event);
}

} // namespace Widgets
} // namespace Common
