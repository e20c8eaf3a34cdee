#include "settings/DbImplementation.h"

#include "settings/DryerDB.h"

namespace KD {

QStringList DbImplementation::names() const { return DryerDB::settingNames(); }

std::optional<DryingSettings> DbImplementation::setting(const QString& name) const
{
    return DryerDB::loadSetting(name);
}

} // namespace KD
