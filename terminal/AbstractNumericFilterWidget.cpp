#include "terminal/AbstractNumericFilterWidget.h"

#include "terminal/FilterModeTexts.h"
#include "terminal/IFilter.h"
#include "terminal/NFiltersTrProvider.h"

namespace Common {
namespace Filters {

namespace {

QVector<int> numberModeIds(bool forDateOrTime)
{
    QVector<int> ids;
    for (int mode : filterModes())
        ids.append(numberModeText(mode, forDateOrTime));
    return ids;
}

} // namespace

AbstractNumericFilterWidget::AbstractNumericFilterWidget(NFiltersTrProvider* provider,
                                                         bool forDateOrTime, QWidget* parent)
    : AbstractFilterWidget(optionTexts(provider, numberModeIds(forDateOrTime)), parent)
{
    provider->setParent(this);
}

int AbstractNumericFilterWidget::mode() const { return modeForIndex(optionIndex()); }

void AbstractNumericFilterWidget::valueChangedL()
{
    if (mode() == Between)
        clampFrom();
    emitFilterChanged();
}

void AbstractNumericFilterWidget::valueChangedR()
{
    clampTo();
    emitFilterChanged();
}

void AbstractNumericFilterWidget::onModeChanged()
{
    const bool between = mode() == Between;
    if (between)
        clampTo();
    if (m_secondEditor)
        m_secondEditor->setVisible(between);
    emitFilterChanged();
}

} // namespace Filters
} // namespace Common
