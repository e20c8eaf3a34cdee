#include "settings/InOutFilter.h"

#include "settings/FiltersTrProvider.h"

#include <QComboBox>

InOutFilter::InOutFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                         QWidget* parent, const QString& title)
    : AbstractFilter(columnName, index, provider,
                     {FiltersTrProvider::InOut, FiltersTrProvider::In, FiltersTrProvider::Out},
                     parent, title)
{
    connect(operatorCombo(), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AbstractFilter::filterChanged);
}

SqlCondition InOutFilter::whereClause() const
{
    switch (operatorIndex()) {
    case 1: return {columnName() + QStringLiteral(" LIKE ?"), {QStringLiteral("IN")}};
    case 2: return {columnName() + QStringLiteral(" LIKE ?"), {QStringLiteral("OUT")}};
    default: return {};
    }
}
