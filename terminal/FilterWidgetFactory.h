#pragma once

#include "terminal/LogColumnFilterSpec.h"

namespace Common {
namespace Filters {

class AbstractFilterWidget;

// A new row for the column's kind (the caller owns it), or null for a
// description without a kind.
AbstractFilterWidget* createFilterWidget(const LogColumnFilterSpec& spec);

} // namespace Filters
} // namespace Common
