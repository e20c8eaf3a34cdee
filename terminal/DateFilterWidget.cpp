#include "terminal/DateFilterWidget.h"

#include "terminal/DateFilter.h"

#include <QDateTimeEdit>

namespace Common {
namespace Filters {

DateFilterWidget::DateFilterWidget(NFiltersTrProvider* provider, const QDate& today,
                                   QWidget* parent)
    : AbstractNumericFilterWidget(provider, true, parent), m_from(new QDateTimeEdit),
      m_to(new QDateTimeEdit)
{
    m_from->setDate(today.addMonths(-6));
    m_to->setDate(today);
    for (QDateTimeEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setMinimumWidth(100);
    }
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    addEditors(m_from, m_to, SIGNAL(dateChanged(QDate)));
}

IFilter* DateFilterWidget::createFilter() const
{
    return makeFilter<DateFilter>(m_from->date(), m_to->date());
}

void DateFilterWidget::setDisplayFormat(const QString& format)
{
    m_from->setDisplayFormat(format);
    m_to->setDisplayFormat(format);
}

void DateFilterWidget::clampFrom()
{
    if (m_from->date() > m_to->date())
        m_from->setDate(m_to->date());
}

void DateFilterWidget::clampTo()
{
    if (m_from->date() > m_to->date())
        m_to->setDate(m_from->date());
}

} // namespace Filters
} // namespace Common
