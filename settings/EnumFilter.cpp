#include "settings/EnumFilter.h"

#include "settings/FiltersTrProvider.h"

#include <QComboBox>
#include <QHBoxLayout>

EnumFilter::EnumFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                       QWidget* parent, const QString& title, const QMap<int, QString>& values)
    : AbstractFilter(columnName, index, provider, {FiltersTrProvider::Equal}, parent, title),
      m_values(new QComboBox)
{
    valueWidgetsLayout()->addWidget(m_values);
    connect(m_values, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &EnumFilter::onIdxChanged);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        m_stored.append(it.key());
        m_values->addItem(it.value());
    }
}

SqlCondition EnumFilter::whereClause() const
{
    return {columnName() + QStringLiteral(" = ?"), {m_stored.value(m_values->currentIndex(), 0)}};
}

void EnumFilter::onIdxChanged() { emit filterChanged(); }
