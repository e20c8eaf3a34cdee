#include "settings/NumericFilter.h"

#include "settings/FiltersTrProvider.h"

#include <QDoubleSpinBox>

namespace {

QDoubleSpinBox* makeSpinBox(double value)
{
    auto* box = new QDoubleSpinBox;
    box->setRange(-999.99, 9999.99);
    box->setDecimals(2);
    box->setValue(value);
    return box;
}

} // namespace

NumericFilter::NumericFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                             QWidget* parent, const QString& title)
    : RangeFilter(columnName, index, provider,
                  {FiltersTrProvider::Between, FiltersTrProvider::GreaterThan,
                   FiltersTrProvider::LowerThan, FiltersTrProvider::Equal},
                  parent, title, makeSpinBox(-99.0), makeSpinBox(999.0)),
      m_from(static_cast<QDoubleSpinBox*>(fromWidget())),
      m_to(static_cast<QDoubleSpinBox*>(toWidget()))
{
    connect(m_from, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &NumericFilter::valueChanged);
    connect(m_to, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &NumericFilter::valueChanged);
}

// The spin boxes' values, not their texts: a decimal comma of the language
// never reaches the SQL.
SqlCondition NumericFilter::whereClause() const
{
    return rangeCondition(columnName(), m_from->value(), m_to->value());
}

void NumericFilter::valueChanged(double) { emit filterChanged(); }
