#pragma once

#include "terminal/DateFilter.h"
#include "terminal/RangeFilterWidget.h"

namespace Common {
namespace Filters {

// Date bounds, from six months back to today; makes a DateFilter.
class DateFilterWidget : public RangeFilterWidget<QDateTimeEdit, DateFilter>
{
    Q_OBJECT

public:
    DateFilterWidget(NFiltersTrProvider* provider, const QDate& today = QDate::currentDate(),
                     QWidget* parent = nullptr);

    void setDisplayFormat(const QString& format);
};

} // namespace Filters
} // namespace Common
