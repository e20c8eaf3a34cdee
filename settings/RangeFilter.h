#pragma once

#include "settings/AbstractFilter.h"

// The kinds with a from-value and a to-value and the operators "Between"
// (index 0, the only one that reads the to-value), at least, at most and equal.
class RangeFilter : public AbstractFilter
{
    Q_OBJECT

protected:
    // The row places and owns both value widgets.
    RangeFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                const QVector<int>& operatorIds, QWidget* parent, const QString& title,
                QWidget* from, QWidget* to);

    QWidget* fromWidget() const { return m_from; }
    QWidget* toWidget() const { return m_to; }
    SqlCondition rangeCondition(const QString& expression, const QVariant& from,
                                const QVariant& to) const;

protected slots:
    void comboChanged(int index);

private:
    QWidget* m_from;
    QWidget* m_to;
};
