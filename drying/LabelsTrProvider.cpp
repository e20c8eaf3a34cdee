#include "drying/LabelsTrProvider.h"

namespace KD {

LabelsTrProvider::LabelsTrProvider(QObject* parent) : QObject(parent) { }

QString LabelsTrProvider::text(int id) const
{
    switch (id) {
    case Time: return tr("Time");
    case Humidity: return tr("Humidity [%]");
    case DryMass: return tr("Dry mass [%]");
    case Mass: return tr("Mass [g]");
    default: return QString();
    }
}

} // namespace KD
