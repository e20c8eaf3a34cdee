#pragma once

#include "drying/ICsvLoadable.h"
#include "drying/ICsvSavable.h"

namespace Common {

class ICsvFacade : public ICsvLoadable, public ICsvSavable
{ };

} // namespace Common
