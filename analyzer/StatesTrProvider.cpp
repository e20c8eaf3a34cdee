#include "analyzer/StatesTrProvider.h"

namespace KD {

StatesTrProvider::StatesTrProvider(QObject* parent) : QObject(parent) { }

QString StatesTrProvider::text(int id) const
{
    switch (id) {
    case 1: return tr("Ready");
    case 2:
    case 12:
    case 17: return tr("Reading current");
    case 3: return tr("Moving from slot");
    case 4: return tr("Reading from slot");
    case 5: return tr("Writing to slot");
    case 6:
    case 18: return tr("Writing to current");
    case 7: return tr("Starting");
    case 8: return tr("Running");
    case 9: return tr("Stopping");
    case 10: return tr("Uploading firmware");
    case 13: return tr("Copying slot to current");
    case 14: return tr("Reading desired setting");
    case 15:
    case 20: return tr("Writing initial");
    case 19: return tr("Copying current to slot");
    default: return QString();
    }
}

} // namespace KD
