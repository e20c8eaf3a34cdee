#pragma once

#include "settings/IDbDryer.h"

namespace KD {

// The drying page's access to the settings database.
class DbImplementation : public IDbDryer
{
public:
    QStringList names() const override;
    std::optional<DryingSettings> setting(const QString& name) const override;
};

} // namespace KD
