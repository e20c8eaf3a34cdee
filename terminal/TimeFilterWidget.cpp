#include "terminal/TimeFilterWidget.h"

namespace Common {
namespace Filters {

namespace {

QTime wholeSeconds(const QTime& time) { return QTime(time.hour(), time.minute(), time.second()); }

} // namespace

TimeFilterWidget::TimeFilterWidget(NFiltersTrProvider* provider, const QTime& now, QWidget* parent)
    : RangeFilterWidget(provider, true, parent)
{
    QTime from = wholeSeconds(now.addSecs(-7200));
    QTime to = wholeSeconds(now.addSecs(7200));
    // Near midnight the two hours wrap around and the range would accept
    // nothing; the whole day is offered instead.
    if (from > to) {
        from = QTime(0, 0);
        to = QTime(23, 59, 59, 999);
    }
    m_from->setTime(from);
    m_to->setTime(to);
    for (QTimeEdit* edit : {m_from, m_to})
        edit->setMinimumWidth(100);
    setDisplayFormat(QStringLiteral("HH:mm:ss.zzz"));
    addEditors(m_from, m_to, &QDateTimeEdit::timeChanged);
}

void TimeFilterWidget::setDisplayFormat(const QString& format)
{
    m_from->setDisplayFormat(format);
    m_to->setDisplayFormat(format);
}

} // namespace Filters
} // namespace Common
