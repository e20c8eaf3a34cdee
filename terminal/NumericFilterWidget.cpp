#include "terminal/NumericFilterWidget.h"

namespace Common {
namespace Filters {

NumericFilterWidget::NumericFilterWidget(NFiltersTrProvider* provider, double min, double max,
                                         QWidget* parent)
    : RangeFilterWidget(provider, false, parent)
{
    m_from->setRange(min, max);
    m_from->setValue(min);
    m_to->setRange(min, max);
    m_to->setValue(max);
    addEditors(m_from, m_to, qOverload<double>(&QDoubleSpinBox::valueChanged));
}

} // namespace Filters
} // namespace Common
