#pragma once

#include "terminal/RangeFilterWidget.h"
#include "terminal/TimeFilter.h"

namespace Common {
namespace Filters {

// Time bounds, two hours either side of now; makes a TimeFilter.
class TimeFilterWidget : public RangeFilterWidget<QTimeEdit, TimeFilter>
{
    Q_OBJECT

public:
    TimeFilterWidget(NFiltersTrProvider* provider, const QTime& now = QTime::currentTime(),
                     QWidget* parent = nullptr);

    void setDisplayFormat(const QString& format);
};

} // namespace Filters
} // namespace Common
