#pragma once

#include "ui/IPlotLabelSetter.h"
#include "ui/IRetranslatable.h"

#include <qwt_interval.h>
#include <qwt_plot.h>

class QwtPlotCurve;
class QwtPlotMagnifier;
class QwtPlotPanner;
class QwtPlotZoomer;

namespace Common {
class IPlotData;

namespace Widgets {
class PlotDataSeries;
class PlotTrProvider;

// A plot of the points of a point store with wheel zoom, left-button panning,
// right-button rectangle zoom, Escape to show everything again and X (or the
// middle button) to choose which scales the wheel zooms.
class ScatterPlot : public QwtPlot, public IRetranslatable, public IPlotLabelSetter
{
    Q_OBJECT

public:
    // Which scales the mouse wheel zooms.
    enum ZoomMode { ZoomBoth = 0, ZoomYOnly = 1, ZoomXOnly = 2 };

    explicit ScatterPlot(const IPlotData* data);

    void replot() override;
    void retranslate() override;
    void setXLabel(const QString& label) override;
    void setYLabel(const QString& label) override;

    void resetZoom();
    int zoomMode() const { return m_zoomMode; }
    void nextZoomMode();

    QwtPlotCurve* curve() const { return m_curve; }
    QwtPlotZoomer* zoomer() const { return m_zoomer; }
    QwtPlotMagnifier* magnifier() const { return m_magnifier; }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

    // Catches the curve up with the point store (no copy of the points).
    void syncData();
    // The drawn points' extent; negative width when there are none.
    QRectF dataBounds() const;
    // Takes the place of the current zoomer, with the same settings.
    void replaceZoomer(QwtPlotZoomer* zoomer);

private:
    void applyZoomMode(int mode);

    PlotTrProvider* m_texts;
    PlotDataSeries* m_series; // owned by the curve
    QwtPlotCurve* m_curve;
    int m_zoomMode = ZoomBoth;
    QwtPlotMagnifier* m_magnifier;
    QwtPlotPanner* m_panner;
    QwtPlotZoomer* m_zoomer;
    QwtInterval m_startX;
    QwtInterval m_startY;
};

} // namespace Widgets
} // namespace Common
