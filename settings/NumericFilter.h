#pragma once

#include "settings/RangeFilter.h"

class QDoubleSpinBox;

// A number column between two values, at least, at most or equal to one.
class NumericFilter : public RangeFilter
{
    Q_OBJECT

public:
    NumericFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                  QWidget* parent = nullptr, const QString& title = QString());

    SqlCondition whereClause() const override;

private slots:
    void valueChanged(double value);

private:
    QDoubleSpinBox* m_from;
    QDoubleSpinBox* m_to;
};
