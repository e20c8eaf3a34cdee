#include "settings/FiltersTrProvider.h"

FiltersTrProvider::FiltersTrProvider(QObject* parent) : QObject(parent) { }

QString FiltersTrProvider::text(int id) const
{
    switch (id) {
    case InOut: return tr("IN/OUT");
    case In: return tr("IN");
    case Out: return tr("OUT");
    case StartsWith: return tr("Starts with");
    case EndsWith: return tr("Ends with");
    case Contains: return tr("Contains");
    case Between: return tr("Between");
    case LaterThan: return tr("Later than");
    case EarlierThan: return tr("Earlier than");
    case Equal: return tr("Equal");
    case GreaterThan: return tr("Greater than");
    case LowerThan: return tr("Lower than");
    default: return QString();
    }
}
