#include "app/TabDryingController.h"

#include "analyzer/IStartStop.h"
#include "drying/ICalcFormulaSetter.h"
#include "drying/ICsvLoadable.h"
#include "drying/ICsvSavable.h"
#include "drying/IPdfGenerator.h"
#include "drying/IRunContextSetup.h"
#include "ui/IDataCleaner.h"

namespace KD {

void TabDryingController::retranslate() { m_handlers.retranslate->retranslate(); }

void TabDryingController::onDbComboChange(int index, const QString& name)
{
    m_handlers.dbChoice->onDbComboChange(index, name);
}

void TabDryingController::onSlotComboChange(int index)
{
    m_handlers.slotChoice->onSlotComboChange(index);
}

void TabDryingController::onWidgetShow() { m_handlers.shown->onWidgetShow(); }

void TabDryingController::onWidgetHide() { m_handlers.hidden->onWidgetHide(); }

bool TabDryingController::setIgnoreStartFromDevice(bool ignore)
{
    return m_handlers.ignoreStartFromDevice->setIgnoreStartFromDevice(ignore);
}

void TabDryingController::generatePdf() { m_handlers.pdf->generatePdf(); }

void TabDryingController::exportCsv() { m_handlers.csvSave->save(); }

void TabDryingController::importCsv() { m_handlers.csvLoad->load(); }

void TabDryingController::clearData() { m_handlers.clear->check(); }

void TabDryingController::setupRunContext() { m_handlers.runContext->setup(); }

void TabDryingController::startDrying() { m_handlers.startStop->start(); }

void TabDryingController::stopDrying() { m_handlers.startStop->stop(); }

void TabDryingController::setFormula(int formula) { m_handlers.formula->setCalcFormula(formula); }

} // namespace KD
