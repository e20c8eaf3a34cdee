#include "settings/TimeFilter.h"

#include "settings/FiltersTrProvider.h"

#include <QTimeEdit>

namespace {

const QString format = QStringLiteral("HH:mm:ss.zzz");

QTimeEdit* makeEdit(const QTime& time)
{
    auto* edit = new QTimeEdit(time);
    edit->setDisplayFormat(format);
    edit->setMinimumWidth(100);
    return edit;
}

} // namespace

TimeFilter::TimeFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                       QWidget* parent, const QString& title)
    : RangeFilter(columnName, index, provider,
                  {FiltersTrProvider::Between, FiltersTrProvider::LaterThan,
                   FiltersTrProvider::EarlierThan, FiltersTrProvider::Equal},
                  parent, title, makeEdit(QTime::currentTime().addSecs(-7200)),
                  makeEdit(QTime::currentTime().addSecs(7200))),
      m_from(static_cast<QTimeEdit*>(fromWidget())), m_to(static_cast<QTimeEdit*>(toWidget()))
{
    connect(m_from, &QTimeEdit::timeChanged, this, &TimeFilter::timeChanged);
    connect(m_to, &QTimeEdit::timeChanged, this, &TimeFilter::timeChanged);
}

SqlCondition TimeFilter::whereClause() const
{
    return rangeCondition(columnName(), m_from->time().toString(format),
                          m_to->time().toString(format));
}

void TimeFilter::timeChanged(const QTime&) { emit filterChanged(); }
