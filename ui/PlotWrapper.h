#pragma once

#include "ui/IPlotFull.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace Common {
class IPlotData;

namespace Widgets {
class ScatterPlot;
}

// Builds the plot over a point store and lets the program use it through
// interfaces. The widget belongs to whoever places it (widget()).
class PlotWrapper : public QObject, public IPlotFull
{
    Q_OBJECT

public:
    PlotWrapper(IPlotData* data, bool timeScale, QObject* parent = nullptr);

    void replot() override;
    void resetZoom() override;
    QPixmap getPixmap() override;
    void setXLabel(const QString& label) override;
    void setYLabel(const QString& label) override;

    Widgets::ScatterPlot* widget() const { return m_plot; }

    void setAutoReplot(bool on) { m_autoReplot = on; }
    bool autoReplot() const { return m_autoReplot; }

    // Redraws caused by data changes come at most this often, so a flood of
    // readings (or a file import) does not redraw the whole run per reading.
    void setMinReplotInterval(int ms) { m_minReplotInterval = ms; }
    int minReplotInterval() const { return m_minReplotInterval; }
    bool replotPending() const { return m_replotTimer.isActive(); }

public slots:
    void onDataChanged();

private:
    IPlotData* m_data;
    QPointer<Widgets::ScatterPlot> m_plot;
    bool m_autoReplot = true;
    int m_minReplotInterval = 100;
    QTimer m_replotTimer;
    QElapsedTimer m_sinceReplot;
};

} // namespace Common
