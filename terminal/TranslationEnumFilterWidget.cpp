#include "terminal/TranslationEnumFilterWidget.h"

#include "terminal/EnumFilter.h"
#include "terminal/FilterModeTexts.h"
#include "terminal/NFiltersTrProvider.h"

#include <QComboBox>

namespace Common {
namespace Filters {

TranslationEnumFilterWidget::TranslationEnumFilterWidget(NFiltersTrProvider* provider,
                                                         const TranslationListGetter& values,
                                                         QWidget* parent)
    : AbstractFilterWidget(optionTexts(provider, {TextEqual, TextNotEqual}), parent),
      m_values(new QComboBox)
{
    provider->setParent(this);
    m_values->addItems(values.getList());
    addValueWidget(m_values);
    connect(m_values, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TranslationEnumFilterWidget::onIdxChanged);
}

IFilter* TranslationEnumFilterWidget::createFilter() const
{
    auto* filter = new EnumFilter;
    filter->setText(m_values->currentText());
    filter->setEquals(optionIndex() == 0);
    return filter;
}

void TranslationEnumFilterWidget::onIdxChanged() { emitFilterChanged(); }

} // namespace Filters
} // namespace Common
