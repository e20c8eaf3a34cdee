#include "ui/PlotData.h"

namespace Common {

void PlotData::clear()
{
    m_x.clear();
    m_y.clear();
    ++m_revision;
}

double PlotData::x(int i) const { return valid(i) ? m_x.at(i) : 0.0; }

double PlotData::y(int i) const { return valid(i) ? m_y.at(i) : 0.0; }

void PlotData::setX(int i, double value)
{
    if (!valid(i))
        return;
    m_x[i] = value;
    ++m_revision;
}

void PlotData::setY(int i, double value)
{
    if (!valid(i))
        return;
    m_y[i] = value;
    ++m_revision;
}

void PlotData::append(double x, double y)
{
    m_x.append(x);
    m_y.append(y);
}

void PlotData::insert(int i, double x, double y)
{
    if (i < 0 || i >= size()) {
        append(x, y);
        return;
    }
    m_x.insert(i, x);
    m_y.insert(i, y);
    ++m_revision;
}

} // namespace Common
