#pragma once

#include "drying/ICalcFormulaGetter.h"
#include "drying/ICalcFormulaSetter.h"
#include "drying/IMassAppendable.h"
#include "drying/ITdDataInterface.h"
#include "ui/IClearable.h"
#include "ui/IEmpty.h"
#include "ui/IModelGetterFull.h"

#include <QAbstractItemModel>

namespace KD {
namespace Drying {

// Everything the program may do with the run model.
class IHumidityData : public Common::IClearable,
                      public Common::IEmpty,
                      public KD::ICalcFormulaGetter,
                      public KD::ICalcFormulaSetter,
                      public KD::ITdDataInterface,
                      public IMassAppendable,
                      public Common::IModelGetterFull<QAbstractItemModel>
{ };

} // namespace Drying
} // namespace KD
