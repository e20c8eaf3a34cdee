#include "drying/PdfTrProvider.h"

namespace KD {

PdfTrProvider::PdfTrProvider(QObject* parent) : QObject(parent) { }

QString PdfTrProvider::text(int id) const
{
    switch (id) {
    case Mass: return tr("Mass");
    case Time: return tr("Time");
    case Humidity: return tr("Humidity");
    case DryMass: return tr("Dry mass");
    case Details: return tr("Details");
    default: return QString();
    }
}

} // namespace KD
