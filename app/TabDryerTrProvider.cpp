#include "app/TabDryerTrProvider.h"

TabDryerTrProvider::TabDryerTrProvider(QObject* parent) : QObject(parent) { }

QString TabDryerTrProvider::text(int id) const
{
    switch (id) {
    case Title: return tr("Tab drying");
    case GeneratePdf: return tr("Generate PDF report");
    case SaveData: return tr("Save data to file");
    case LoadData: return tr("Load data from file");
    case ClearData: return tr("Clear data");
    case RunContext: return tr("Measurement settings");
    default: return QString();
    }
}
