#pragma once

#include "settings/DryingSettings.h"

#include <QString>

#include <optional>

namespace KD {

class IDbSettingGetter
{
public:
    virtual ~IDbSettingGetter() = default;
    // The stored set of that name; nothing when it is not stored or cannot be read.
    virtual std::optional<DryingSettings> setting(const QString& name) const = 0;
};

} // namespace KD
