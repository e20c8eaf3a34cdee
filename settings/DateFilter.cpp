#include "settings/DateFilter.h"

#include "settings/FiltersTrProvider.h"

#include <QDateTimeEdit>

namespace {

QDateTimeEdit* makeEdit(const QDate& date)
{
    auto* edit = new QDateTimeEdit(date);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setMinimumWidth(100);
    return edit;
}

} // namespace

DateFilter::DateFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                       QWidget* parent, const QString& title)
    : RangeFilter(columnName, index, provider,
                  {FiltersTrProvider::Between, FiltersTrProvider::LaterThan,
                   FiltersTrProvider::EarlierThan, FiltersTrProvider::Equal},
                  parent, title, makeEdit(QDate::currentDate().addMonths(-6)),
                  makeEdit(QDate::currentDate())),
      m_from(static_cast<QDateTimeEdit*>(fromWidget())),
      m_to(static_cast<QDateTimeEdit*>(toWidget()))
{
    connect(m_from, &QDateTimeEdit::dateChanged, this, &DateFilter::dateChanged);
    connect(m_to, &QDateTimeEdit::dateChanged, this, &DateFilter::dateChanged);
}

// SQLite's date() reads the stored date-and-time text as "yyyy-MM-dd", so the
// given day counts whole.
SqlCondition DateFilter::whereClause() const
{
    return rangeCondition(QStringLiteral("date(%1)").arg(columnName()),
                          m_from->date().toString(Qt::ISODate), m_to->date().toString(Qt::ISODate));
}

void DateFilter::dateChanged(const QDate&) { emit filterChanged(); }
