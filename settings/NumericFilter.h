#pragma once

#include "settings/AbstractFilter.h"

class QDoubleSpinBox;

// A number column between two values, at least, at most or equal to one.
class NumericFilter : public AbstractFilter
{
    Q_OBJECT

public:
    NumericFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                  QWidget* parent = nullptr, const QString& title = QString());

    SqlCondition whereClause() const override;

private slots:
    void comboChanged(int index);
    void valueChanged(double value);

private:
    QDoubleSpinBox* m_from;
    QDoubleSpinBox* m_to;
};
