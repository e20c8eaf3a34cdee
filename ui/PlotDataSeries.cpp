#include "ui/PlotDataSeries.h"

#include "ui/IPlotData.h"

#include <cmath>

namespace Common {
namespace Widgets {

PlotDataSeries::PlotDataSeries(const IPlotData* data) : m_data(data) { rebuild(); }

void PlotDataSeries::sync()
{
    if (!m_data)
        return;
    if (m_data->revision() != m_revision || m_data->size() < m_seen)
        rebuild();
    else
        extend(m_seen);
}

void PlotDataSeries::rebuild()
{
    m_drawn.clear();
    m_bounds = QRectF();
    m_seen = 0;
    if (!m_data)
        return;
    m_revision = m_data->revision();
    extend(0);
}

void PlotDataSeries::extend(int from)
{
    const int count = m_data->size();
    const QVector<double>& xs = m_data->xs();
    const QVector<double>& ys = m_data->ys();
    for (int i = from; i < count; ++i) {
        const double x = xs.at(i);
        const double y = ys.at(i);
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        m_drawn.append(i);
        if (m_drawn.size() == 1) {
            m_bounds = QRectF(x, y, 0.0, 0.0);
        } else {
            m_bounds.setLeft(qMin(m_bounds.left(), x));
            m_bounds.setRight(qMax(m_bounds.right(), x));
            m_bounds.setTop(qMin(m_bounds.top(), y));
            m_bounds.setBottom(qMax(m_bounds.bottom(), y));
        }
    }
    m_seen = count;
}

size_t PlotDataSeries::size() const { return size_t(m_drawn.size()); }

QPointF PlotDataSeries::sample(size_t i) const
{
    // The store may have shrunk since the last sync; its getters give 0.0
    // for a point that is gone.
    const int index = m_drawn.value(int(i), -1);
    return QPointF(m_data->x(index), m_data->y(index));
}

QRectF PlotDataSeries::boundingRect() const
{
    if (m_drawn.isEmpty())
        return QRectF(1.0, 1.0, -2.0, -2.0); // Qwt's "no bounds"
    return m_bounds;
}

} // namespace Widgets
} // namespace Common
