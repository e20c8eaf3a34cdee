#pragma once

#include "settings/AbstractFilter.h"

// A direction column: both directions (no condition), "IN" or "OUT".
class InOutFilter : public AbstractFilter
{
    Q_OBJECT

public:
    InOutFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                QWidget* parent = nullptr, const QString& title = QString());

    SqlCondition whereClause() const override;
};
