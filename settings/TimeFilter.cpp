#include "settings/TimeFilter.h"

#include "settings/FiltersTrProvider.h"

#include <QComboBox>
#include <QHBoxLayout>
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
    : AbstractFilter(columnName, index, provider,
                     {FiltersTrProvider::Between, FiltersTrProvider::LaterThan,
                      FiltersTrProvider::EarlierThan, FiltersTrProvider::Equal},
                     parent, title),
      m_from(makeEdit(QTime::currentTime().addSecs(-7200))),
      m_to(makeEdit(QTime::currentTime().addSecs(7200)))
{
    valueWidgetsLayout()->addWidget(m_from);
    valueWidgetsLayout()->addWidget(m_to);
    connect(operatorCombo(), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TimeFilter::comboChanged);
    connect(m_from, &QTimeEdit::timeChanged, this, &TimeFilter::timeChanged);
    connect(m_to, &QTimeEdit::timeChanged, this, &TimeFilter::timeChanged);
}

SqlCondition TimeFilter::whereClause() const
{
    return rangeCondition(columnName(), m_from->time().toString(format),
                          m_to->time().toString(format));
}

void TimeFilter::comboChanged(int index)
{
    enableSecondValue(m_to, index);
    emit filterChanged();
}

void TimeFilter::timeChanged(const QTime&) { emit filterChanged(); }
