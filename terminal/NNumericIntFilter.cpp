#include "terminal/NNumericIntFilter.h"

#include <limits>

namespace Common {
namespace Filters {

namespace {

int toInt(qint64 value)
{
    return int(
        qBound<qint64>(std::numeric_limits<int>::min(), value, std::numeric_limits<int>::max()));
}

} // namespace

NNumericIntFilter::NNumericIntFilter(NFiltersTrProvider* provider, qint64 min, qint64 max,
                                     QWidget* parent)
    : RangeFilterWidget(provider, false, parent)
{
    m_from->setRange(toInt(min), toInt(max));
    m_from->setValue(toInt(min));
    m_to->setRange(toInt(min), toInt(max));
    m_to->setValue(toInt(max));
    addEditors(m_from, m_to, qOverload<int>(&QSpinBox::valueChanged));
}

} // namespace Filters
} // namespace Common
