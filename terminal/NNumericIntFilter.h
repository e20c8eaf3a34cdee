#pragma once

#include "terminal/Int32Filter.h"
#include "terminal/RangeFilterWidget.h"

namespace Common {
namespace Filters {

// Integer bounds; makes an Int32Filter.
class NNumericIntFilter : public RangeFilterWidget<QSpinBox, Int32Filter>
{
    Q_OBJECT

public:
    // Bounds beyond 32 bits are cut to what the editors hold.
    NNumericIntFilter(NFiltersTrProvider* provider, qint64 min, qint64 max,
                      QWidget* parent = nullptr);
};

} // namespace Filters
} // namespace Common
