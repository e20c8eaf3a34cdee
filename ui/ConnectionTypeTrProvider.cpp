#include "ui/ConnectionTypeTrProvider.h"

namespace Common {

ConnectionTypeTrProvider::ConnectionTypeTrProvider(QObject* parent) : QObject(parent) { }

QString ConnectionTypeTrProvider::text(int id) const
{
    switch (id) {
    case Disconnected: return tr("DISCONNECTED");
    case Connected: return tr("CONNECTED");
    case Listening: return tr("LISTENNING");
    case Connecting: return tr("CONNECTING");
    default: return QString();
    }
}

} // namespace Common
