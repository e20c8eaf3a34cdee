#include "settings/RangeFilter.h"

#include <QComboBox>
#include <QHBoxLayout>

RangeFilter::RangeFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                         const QVector<int>& operatorIds, QWidget* parent, const QString& title,
                         QWidget* from, QWidget* to)
    : AbstractFilter(columnName, index, provider, operatorIds, parent, title), m_from(from),
      m_to(to)
{
    valueWidgetsLayout()->addWidget(from);
    valueWidgetsLayout()->addWidget(to);
    connect(operatorCombo(), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &RangeFilter::comboChanged);
}

SqlCondition RangeFilter::rangeCondition(const QString& expression, const QVariant& from,
                                         const QVariant& to) const
{
    switch (operatorIndex()) {
    case 0: return {expression + QStringLiteral(" BETWEEN ? AND ?"), {from, to}};
    case 1: return {expression + QStringLiteral(" >= ?"), {from}};
    case 2: return {expression + QStringLiteral(" <= ?"), {from}};
    default: return {expression + QStringLiteral(" = ?"), {from}};
    }
}

void RangeFilter::comboChanged(int index)
{
    m_to->setEnabled(index == 0);
    emit filterChanged();
}
