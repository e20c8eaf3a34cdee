#include "settings/DryingSettingsTrProvider.h"

DryingSettingsTrProvider::DryingSettingsTrProvider(QObject* parent) : QObject(parent) { }

QString DryingSettingsTrProvider::text(int id) const
{
    switch (id) {
    case 0: return tr("Tab drying settings");
    case 1: return tr("Filter messages");
    case 2: return tr("Hide/Show collumns");
    case 3: return tr("Save data to file");
    case 4: return tr("Load data from file");
    case 5: return tr("Name");
    case 6: return tr("Temperature");
    case 7: return tr("Mode");
    case 8: return tr("Formula");
    case 9: return tr("SamplesQnt");
    case 10: return tr("SamplesTime");
    case 11: return tr("DryingTime");
    case 12: return tr("DryingProf");
    case 13: return tr("LastModified");
    default: return QString();
    }
}
