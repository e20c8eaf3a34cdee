#pragma once

#include "ui/IPlotData.h"

namespace Common {

// The point store a run model fills, one point per record.
class PlotData : public IPlotData
{
public:
    bool isEmpty() const override { return m_x.isEmpty(); }
    int size() const override { return m_x.size(); }
    void clear() override;
    double x(int i) const override;
    double y(int i) const override;
    void setX(int i, double value) override;
    void setY(int i, double value) override;
    void append(double x, double y) override;
    void insert(int i, double x, double y) override;
    const QVector<double>& xs() const override { return m_x; }
    const QVector<double>& ys() const override { return m_y; }
    quint64 revision() const override { return m_revision; }

private:
    bool valid(int i) const { return i >= 0 && i < size(); }

    QVector<double> m_x;
    QVector<double> m_y;
    quint64 m_revision = 0;
};

} // namespace Common
