#include "terminal/NNumericIntFilter.h"

#include "terminal/Int32Filter.h"

#include <QSpinBox>

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
    : AbstractNumericFilterWidget(provider, false, parent), m_from(new QSpinBox), m_to(new QSpinBox)
{
    m_from->setRange(toInt(min), toInt(max));
    m_from->setValue(toInt(min));
    m_to->setRange(toInt(min), toInt(max));
    m_to->setValue(toInt(max));
    addEditors(m_from, m_to, SIGNAL(valueChanged(int)));
}

IFilter* NNumericIntFilter::createFilter() const
{
    return makeFilter<Int32Filter>(m_from->value(), m_to->value());
}

void NNumericIntFilter::clampFrom()
{
    if (m_from->value() > m_to->value())
        m_from->setValue(m_to->value());
}

void NNumericIntFilter::clampTo()
{
    if (m_from->value() > m_to->value())
        m_to->setValue(m_from->value());
}

} // namespace Filters
} // namespace Common
