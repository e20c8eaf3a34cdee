#include "terminal/BoolFilterWidget.h"

#include "terminal/BoolFilter.h"
#include "terminal/FilterModeTexts.h"
#include "terminal/NFiltersTrProvider.h"

namespace Common {
namespace Filters {

BoolFilterWidget::BoolFilterWidget(NFiltersTrProvider* provider, QWidget* parent)
    : AbstractFilterWidget(optionTexts(provider, {TextYes, TextNo}), parent)
{
    provider->setParent(this);
}

IFilter* BoolFilterWidget::createFilter() const
{
    auto* filter = new BoolFilter;
    filter->setValue(optionIndex() == 0);
    return filter;
}

} // namespace Filters
} // namespace Common
