#pragma once

#include <qwt_series_data.h>

#include <QVector>

namespace Common {
class IPlotData;

namespace Widgets {

// The curve's view of a point store without copying it. Only finite points
// are drawn (a zero divisor gives an infinite humidity that would wreck the
// scales). sync() catches up with the store: appended points cost only
// themselves, any other change rebuilds once.
class PlotDataSeries : public QwtSeriesData<QPointF>
{
public:
    explicit PlotDataSeries(const IPlotData* data);

    void sync();

    size_t size() const override;
    QPointF sample(size_t i) const override;
    QRectF boundingRect() const override;

private:
    void rebuild();
    void extend(int from);

    const IPlotData* m_data;
    QVector<int> m_drawn; // indices of the finite points
    int m_seen = 0; // points of the store looked at so far
    quint64 m_revision = 0;
    QRectF m_bounds; // of the drawn points; invalid when none
};

} // namespace Widgets
} // namespace Common
