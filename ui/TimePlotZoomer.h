#pragma once

#include <qwt_plot_zoomer.h>

// The time plot's zoomer: its tracker reads the time as "mm:ss.zzz".
class TimePlotZoomer : public QwtPlotZoomer
{
public:
    explicit TimePlotZoomer(QWidget* canvas);

    QwtText trackerTextF(const QPointF& position) const override;

    void setShowHours(bool show) { m_showHours = show; }

private:
    bool m_showHours = false;
};
