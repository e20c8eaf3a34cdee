#include "terminal/DateFilterWidget.h"

namespace Common {
namespace Filters {

DateFilterWidget::DateFilterWidget(NFiltersTrProvider* provider, const QDate& today,
                                   QWidget* parent)
    : RangeFilterWidget(provider, true, parent)
{
    m_from->setDate(today.addMonths(-6));
    m_to->setDate(today);
    for (QDateTimeEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setMinimumWidth(100);
    }
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    addEditors(m_from, m_to, &QDateTimeEdit::dateChanged);
}

void DateFilterWidget::setDisplayFormat(const QString& format)
{
    m_from->setDisplayFormat(format);
    m_to->setDisplayFormat(format);
}

} // namespace Filters
} // namespace Common
