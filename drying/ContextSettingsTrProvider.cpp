#include "drying/ContextSettingsTrProvider.h"

#include "drying/ContextValue.h"

namespace KD {
namespace Drying {
namespace RunContext {

ContextSettingsTrProvider::ContextSettingsTrProvider(QObject* parent) : QObject(parent) { }

QString ContextSettingsTrProvider::text(int id) const { return label(id); }

QString ContextSettingsTrProvider::label(int id)
{
    switch (id) {
    case Author: return tr("Author");
    case Title: return tr("Title");
    case Introduction: return tr("Introduction");
    case Summary: return tr("Summary");
    case Header: return tr("Header");
    case Footer: return tr("Footer");
    case Product: return tr("Product");
    case Date: return tr("Date");
    case Time: return tr("Time");
    case Plot: return tr("Plot");
    case Data: return tr("Data");
    case SamplesCount: return tr("Samples count");
    case InitialMass: return tr("Initial mass");
    case FinalMass: return tr("Final mass");
    case Formula: return tr("Formula");
    case StartTime: return tr("Start time");
    case EndTime: return tr("End time");
    default: return QString();
    }
}

} // namespace RunContext
} // namespace Drying
} // namespace KD
