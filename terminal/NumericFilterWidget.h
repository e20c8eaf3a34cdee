#pragma once

#include "terminal/DoubleFilter.h"
#include "terminal/RangeFilterWidget.h"

namespace Common {
namespace Filters {

// Floating-point bounds; makes a DoubleFilter.
class NumericFilterWidget : public RangeFilterWidget<QDoubleSpinBox, DoubleFilter>
{
    Q_OBJECT

public:
    NumericFilterWidget(NFiltersTrProvider* provider, double min, double max,
                        QWidget* parent = nullptr);
};

} // namespace Filters
} // namespace Common
