#include "settings/StringFilter.h"

#include "settings/FiltersTrProvider.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

StringFilter::StringFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                           QWidget* parent, const QString& title)
    : AbstractFilter(columnName, index, provider,
                     {FiltersTrProvider::StartsWith, FiltersTrProvider::EndsWith,
                      FiltersTrProvider::Contains, FiltersTrProvider::Equal},
                     parent, title),
      m_text(new QLineEdit)
{
    valueWidgetsLayout()->addWidget(m_text);
    connect(operatorCombo(), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &StringFilter::comboChanged);
    connect(m_text, &QLineEdit::textChanged, this, &StringFilter::textChanged);
}

SqlCondition StringFilter::whereClause() const
{
    QString text = m_text->text();
    if (text.isEmpty())
        return {};
    // LIKE's wildcards in the typed text stand for themselves.
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    const QLatin1Char any('%');
    switch (operatorIndex()) {
    case 0: text = text + any; break;
    case 1: text = any + text; break;
    case 2: text = any + text + any; break;
    default: break;
    }
    return {columnName() + QStringLiteral(" LIKE ? ESCAPE '\\'"), {text}};
}

void StringFilter::comboChanged(int) { emit filterChanged(); }

void StringFilter::textChanged(const QString&) { emit filterChanged(); }
