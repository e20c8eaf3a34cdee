#include "app/TabDryingController.h"

#include "analyzer/IStartStop.h"
#include "drying/ICalcFormulaSetter.h"
#include "drying/ICsvLoadable.h"
#include "drying/ICsvSavable.h"
#include "drying/IPdfGenerator.h"
#include "drying/IRunContextSetup.h"
#include "ui/IDataCleaner.h"

namespace KD {

void TabDryingController::retranslate() { m.retranslate->retranslate(); }

void TabDryingController::onDbComboChange(int index, const QString& name)
{
    m.dbChoice->onDbComboChange(index, name);
}

void TabDryingController::onSlotComboChange(int index) { m.slotChoice->onSlotComboChange(index); }

void TabDryingController::onWidgetShow() { m.shown->onWidgetShow(); }

void TabDryingController::onWidgetHide() { m.hidden->onWidgetHide(); }

bool TabDryingController::setIgnoreStartFromDevice(bool ignore)
{
    return m.ignoreStartFromDevice->setIgnoreStartFromDevice(ignore);
}

void TabDryingController::generatePdf() { m.pdf->generatePdf(); }

void TabDryingController::exportCsv() { m.csvSave->save(); }

void TabDryingController::importCsv() { m.csvLoad->load(); }

void TabDryingController::clearData() { m.clear->check(); }

void TabDryingController::setupRunContext() { m.runContext->setup(); }

void TabDryingController::startDrying() { m.startStop->start(); }

void TabDryingController::stopDrying() { m.startStop->stop(); }

void TabDryingController::setFormula(int formula) { m.formula->setCalcFormula(formula); }

} // namespace KD
