#include "terminal/NumericFilterWidget.h"

#include "terminal/DoubleFilter.h"

#include <QDoubleSpinBox>

namespace Common {
namespace Filters {

NumericFilterWidget::NumericFilterWidget(NFiltersTrProvider* provider, double min, double max,
                                         QWidget* parent)
    : AbstractNumericFilterWidget(provider, false, parent), m_from(new QDoubleSpinBox),
      m_to(new QDoubleSpinBox)
{
    m_from->setRange(min, max);
    m_from->setValue(min);
    m_to->setRange(min, max);
    m_to->setValue(max);
    addEditors(m_from, m_to, SIGNAL(valueChanged(double)));
}

IFilter* NumericFilterWidget::createFilter() const
{
    return makeFilter<DoubleFilter>(m_from->value(), m_to->value());
}

void NumericFilterWidget::clampFrom()
{
    if (m_from->value() > m_to->value())
        m_from->setValue(m_to->value());
}

void NumericFilterWidget::clampTo()
{
    if (m_from->value() > m_to->value())
        m_to->setValue(m_from->value());
}

} // namespace Filters
} // namespace Common
