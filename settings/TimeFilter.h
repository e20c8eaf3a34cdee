#pragma once

#include "settings/RangeFilter.h"

class QTimeEdit;

// A time column (text "HH:mm:ss.zzz") between two times, later, earlier or equal.
class TimeFilter : public RangeFilter
{
    Q_OBJECT

public:
    TimeFilter(const QString& columnName, int index, FiltersTrProvider* provider,
               QWidget* parent = nullptr, const QString& title = QString());

    SqlCondition whereClause() const override;

private slots:
    void timeChanged(const QTime& time);

private:
    QTimeEdit* m_from;
    QTimeEdit* m_to;
};
