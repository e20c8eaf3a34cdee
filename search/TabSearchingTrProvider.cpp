#include "search/TabSearchingTrProvider.h"

TabSearchingTrProvider::TabSearchingTrProvider(QObject* parent) : QObject(parent) { }

QString TabSearchingTrProvider::text(int id) const
{
    switch (id) {
    case Connect: return tr("Connect");
    case Disconnect: return tr("Disconnect");
    case Search: return tr("Search for devices");
    case Stop: return tr("Stop searching");
    case Settings: return tr("Settings");
    case ShowDetails: return tr("Show details");
    case DirectConnection: return tr("Direct connection");
    case Title: return tr("Tab searching");
    default: return QString();
    }
}
