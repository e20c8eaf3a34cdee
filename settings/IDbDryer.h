#pragma once

#include "settings/IDbNamesGetter.h"
#include "settings/IDbSettingGetter.h"

namespace KD {

// The stored-parameter-set source of the drying page.
class IDbDryer : public IDbNamesGetter, public IDbSettingGetter
{ };

} // namespace KD
