#include "terminal/StringFilterWidget.h"

#include "terminal/FilterModeTexts.h"
#include "terminal/NFiltersTrProvider.h"
#include "terminal/StringFilter.h"

#include <QLineEdit>

namespace Common {
namespace Filters {

namespace {

QVector<int> stringModeIds()
{
    QVector<int> ids;
    for (int mode : filterModes())
        ids.append(stringModeText(mode));
    return ids;
}

} // namespace

StringFilterWidget::StringFilterWidget(NFiltersTrProvider* provider, QWidget* parent)
    : AbstractFilterWidget(optionTexts(provider, stringModeIds()), parent), m_edit(new QLineEdit)
{
    provider->setParent(this);
    addValueWidget(m_edit);
    connect(m_edit, &QLineEdit::textChanged, this, &StringFilterWidget::textChanged);
}

IFilter* StringFilterWidget::createFilter() const
{
    auto* filter = new StringFilter(modeForIndex(optionIndex()));
    filter->setPattern(m_edit->text());
    return filter;
}

void StringFilterWidget::textChanged() { emitFilterChanged(); }

} // namespace Filters
} // namespace Common
