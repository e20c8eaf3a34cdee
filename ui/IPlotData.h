#pragma once

#include <QVector>

namespace Common {

// The points of a plot: x and y values of equal length, point i = (x[i], y[i]).
class IPlotData
{
public:
    virtual ~IPlotData() = default;
    virtual bool isEmpty() const = 0;
    virtual int size() const = 0;
    virtual void clear() = 0;
    // 0.0 for an index outside the points.
    virtual double x(int i) const = 0;
    virtual double y(int i) const = 0;
    // Nothing for an index outside the points.
    virtual void setX(int i, double value) = 0;
    virtual void setY(int i, double value) = 0;
    virtual void append(double x, double y) = 0;
    // Appends when i is not below size().
    virtual void insert(int i, double x, double y) = 0;
    virtual const QVector<double>& xs() const = 0;
    virtual const QVector<double>& ys() const = 0;
    // Grows by one on every change other than an append, so a view that
    // keeps derived state of the points knows when appending is not enough.
    virtual quint64 revision() const = 0;
};

} // namespace Common
