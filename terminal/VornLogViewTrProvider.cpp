#include "terminal/VornLogViewTrProvider.h"

VornLogViewTrProvider::VornLogViewTrProvider(QObject* parent) : QObject(parent) { }

QString VornLogViewTrProvider::text(int id) const
{
    switch (id) {
    case InOut: return tr("IN/OUT");
    case Interface: return tr("Interface");
    case Date: return tr("Date");
    case Time: return tr("Time");
    case Message: return tr("Message");
    // Equal to the records' column 0, never translated.
    case In: return QStringLiteral("IN");
    case Out: return QStringLiteral("OUT");
    default: return QString();
    }
}
