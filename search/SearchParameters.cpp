#include "search/SearchParameters.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace {
const char* const group = "SearchBaudrates";
const char* const key = "values";
} // namespace

QVector<int> SearchParameters::selectableBaudRates() const
{
    return m_selectable.isEmpty() ? m_all : m_selectable;
}

QVector<int> SearchParameters::searchBaudRates() const
{
    return m_search.isEmpty() ? m_defaultSearch : m_search;
}

void SearchParameters::loadSearchBaudrates()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(group));
    const QStringList parts = settings.value(QLatin1String(key)).toString().split(QLatin1Char(';'));
    settings.endGroup();

    m_saved.clear();
    for (const QString& part : parts) {
        bool ok = false;
        const int rate = part.toInt(&ok, 10);
        if (ok)
            m_saved.append(rate);
    }
    if (m_saved.isEmpty())
        m_saved = selectableBaudRates();
    std::sort(m_saved.begin(), m_saved.end());
}

void SearchParameters::saveSearchBaudrates(const QVector<int>& rates)
{
    QString text;
    for (int rate : rates)
        text += QString::number(rate) + QLatin1Char(';');
    QSettings settings;
    settings.beginGroup(QLatin1String(group));
    settings.setValue(QLatin1String(key), text);
    settings.endGroup();

    m_saved = rates;
    std::sort(m_saved.begin(), m_saved.end());
}
