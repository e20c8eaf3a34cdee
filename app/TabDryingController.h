#pragma once

#include "app/ITabDryingController.h"

namespace Common {
class ICsvLoadable;
class ICsvSavable;
class IDataCleaner;
class IPdfGenerator;
class IRunContextSetup;
} // namespace Common

namespace KD {

class ICalcFormulaSetter;
class IStartStop;

// The drying page's controller: hands each of the page's operations to the
// one object that does it.
class TabDryingController : public ITabDryingController
{
public:
    struct Handlers
    {
        IStartStop* startStop;
        Common::IDataCleaner* clear;
        Common::ICsvSavable* csvSave;
        Common::ICsvLoadable* csvLoad;
        Common::IRunContextSetup* runContext;
        Common::IPdfGenerator* pdf;
        Common::IRetranslatable* retranslate;
        ICalcFormulaSetter* formula;
        ISlotCBoxChangeHandler* slotChoice;
        IDbCBoxChangeHandler* dbChoice;
        Common::IWidgetShowHandler* shown;
        Common::IWidgetHideHandler* hidden;
        ITryIgnoreStartFromDevice* ignoreStartFromDevice;
    };

    explicit TabDryingController(const Handlers& handlers) : m_handlers(handlers) { }

    void retranslate() override;
    void onDbComboChange(int index, const QString& name) override;
    void onSlotComboChange(int index) override;
    void onWidgetShow() override;
    void onWidgetHide() override;
    bool setIgnoreStartFromDevice(bool ignore) override;
    void generatePdf() override;
    void exportCsv() override;
    void importCsv() override;
    void clearData() override;
    void setupRunContext() override;
    void startDrying() override;
    void stopDrying() override;
    void setFormula(int formula) override;

private:
    Handlers m_handlers;
};

} // namespace KD
