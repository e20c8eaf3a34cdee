#include "settings/DateFilter.h"

#include "settings/FiltersTrProvider.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>

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
    : AbstractFilter(columnName, index, provider,
                     {FiltersTrProvider::Between, FiltersTrProvider::LaterThan,
                      FiltersTrProvider::EarlierThan, FiltersTrProvider::Equal},
                     parent, title),
      m_from(makeEdit(QDate::currentDate().addMonths(-6))), m_to(makeEdit(QDate::currentDate()))
{
    valueWidgetsLayout()->addWidget(m_from);
    valueWidgetsLayout()->addWidget(m_to);
    connect(operatorCombo(), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DateFilter::comboChanged);
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

void DateFilter::comboChanged(int index)
{
    enableSecondValue(m_to, index);
    emit filterChanged();
}

void DateFilter::dateChanged(const QDate&) { emit filterChanged(); }
