#pragma once

#include "settings/AbstractFilter.h"

class QDateTimeEdit;

// A date or date-and-time column compared by its date: "Equal" matches the
// whole day and both bounds include their day.
class DateFilter : public AbstractFilter
{
    Q_OBJECT

public:
    DateFilter(const QString& columnName, int index, FiltersTrProvider* provider,
               QWidget* parent = nullptr, const QString& title = QString());

    SqlCondition whereClause() const override;

private slots:
    void comboChanged(int index);
    void dateChanged(const QDate& date);

private:
    QDateTimeEdit* m_from;
    QDateTimeEdit* m_to;
};
