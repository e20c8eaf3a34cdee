#include "search/SearchModeFlags.h"

#include <QSettings>
#include <QStringList>

namespace {
const char* const group = "SearchModes";
const char* const key = "modes";
const char* const networkWord = "Network";
const char* const serialWord = "Serial";
} // namespace

void SearchModeFlags::loadSearchModes()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(group));
    const QStringList parts = settings.value(QLatin1String(key)).toString().split(QLatin1Char(';'));
    settings.endGroup();

    m_network = m_serial = false;
    for (const QString& part : parts) {
        if (part == QLatin1String(serialWord))
            m_serial = true;
        else if (part == QLatin1String(networkWord))
            m_network = true;
    }
    ensureOneMode();
}

void SearchModeFlags::saveSearchModes(bool network, bool serial)
{
    m_network = network;
    m_serial = serial;
    ensureOneMode();

    QString text;
    if (network)
        text += QLatin1String(networkWord) + QLatin1Char(';');
    if (serial)
        text += QLatin1String(serialWord) + QLatin1Char(';');
    QSettings settings;
    settings.beginGroup(QLatin1String(group));
    settings.setValue(QLatin1String(key), text);
    settings.endGroup();
}
