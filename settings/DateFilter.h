#pragma once

#include "settings/RangeFilter.h"

class QDateTimeEdit;

// A date or date-and-time column compared by its date: "Equal" matches the
// whole day and both bounds include their day.
class DateFilter : public RangeFilter
{
    Q_OBJECT

public:
    DateFilter(const QString& columnName, int index, FiltersTrProvider* provider,
               QWidget* parent = nullptr, const QString& title = QString());

    SqlCondition whereClause() const override;

private slots:
    void dateChanged(const QDate& date);

private:
    QDateTimeEdit* m_from;
    QDateTimeEdit* m_to;
};
