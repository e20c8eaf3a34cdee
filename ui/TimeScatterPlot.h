#pragma once

#include "ui/ScatterPlot.h"

class TimePlotZoomer;

namespace Common {
namespace Widgets {
class TimeScaleDraw;

// A scatter plot whose x values are milliseconds, labelled as times. Once the
// run passes one hour the labels, the tracker and the unit show hours.
class TimeScatterPlot : public ScatterPlot
{
    Q_OBJECT

public:
    TimeScatterPlot(const IPlotData* data, const QString& format);

    void replot() override;
    // The title always ends with the time unit, given once.
    void setXLabel(const QString& label) override;

    bool showsHours() const { return m_showHours; }

private:
    void updateXTitle();

    QString m_format;
    QString m_xLabel;
    bool m_showHours = false;
    TimeScaleDraw* m_scaleDraw; // owned by the scale widget
    TimePlotZoomer* m_timeZoomer = nullptr;
};

} // namespace Widgets
} // namespace Common
