#include "terminal/FilterWidgetFactory.h"

#include "terminal/BoolFilterWidget.h"
#include "terminal/DateFilterWidget.h"
#include "terminal/NFiltersTrProvider.h"
#include "terminal/NNumericIntFilter.h"
#include "terminal/NumericFilterWidget.h"
#include "terminal/StringFilterWidget.h"
#include "terminal/TimeFilterWidget.h"
#include "terminal/TranslationEnumFilterWidget.h"

namespace Common {
namespace Filters {

AbstractFilterWidget* createFilterWidget(const LogColumnFilterSpec& spec)
{
    switch (spec.kind) {
    case LogColumnFilterSpec::Number:
        if (spec.floating)
            return new NumericFilterWidget(new NFiltersTrProvider, spec.doubleMin, spec.doubleMax);
        return new NNumericIntFilter(new NFiltersTrProvider, spec.intMin, spec.intMax);
    case LogColumnFilterSpec::Text: return new StringFilterWidget(new NFiltersTrProvider);
    case LogColumnFilterSpec::Time: {
        auto* row = new TimeFilterWidget(new NFiltersTrProvider);
        if (!spec.timeFormat.isEmpty())
            row->setDisplayFormat(spec.timeFormat);
        return row;
    }
    case LogColumnFilterSpec::Date: {
        auto* row = new DateFilterWidget(new NFiltersTrProvider);
        if (!spec.dateFormat.isEmpty())
            row->setDisplayFormat(spec.dateFormat);
        return row;
    }
    case LogColumnFilterSpec::Enumeration:
        return new TranslationEnumFilterWidget(new NFiltersTrProvider, spec.entries);
    case LogColumnFilterSpec::YesNo: return new BoolFilterWidget(new NFiltersTrProvider);
    default: return nullptr;
    }
}

} // namespace Filters
} // namespace Common
