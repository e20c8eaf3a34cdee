#pragma once

#include "analyzer/ITryIgnoreStartFromDevice.h"
#include "drying/IDbCBoxChangeHandler.h"
#include "drying/ISlotCBoxChangeHandler.h"
#include "ui/IRetranslatable.h"
#include "ui/IWidgetHideHandler.h"
#include "ui/IWidgetShowHandler.h"

namespace KD {

// Everything the drying page hands on: the page holds no logic of its own.
class ITabDryingController : public Common::IRetranslatable,
                             public IDbCBoxChangeHandler,
                             public ISlotCBoxChangeHandler,
                             public Common::IWidgetShowHandler,
                             public Common::IWidgetHideHandler,
                             public ITryIgnoreStartFromDevice
{
public:
    virtual void generatePdf() = 0;
    virtual void exportCsv() = 0;
    virtual void importCsv() = 0;
    virtual void clearData() = 0;
    virtual void setupRunContext() = 0;
    virtual void startDrying() = 0;
    virtual void stopDrying() = 0;
    virtual void setFormula(int formula) = 0;
};

} // namespace KD
