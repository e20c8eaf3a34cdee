#include "drying/TdFormulaChangeHandler.h"

#include "ui/ILabelsUpdater.h"
#include "ui/IResetZoom.h"

namespace KD {

TdFormulaChangeHandler::TdFormulaChangeHandler(ICalcFormulaSetter* run,
                                               Common::ILabelsUpdater* labels,
                                               Common::IResetZoom* zoom)
    : m_run(run), m_labels(labels), m_zoom(zoom)
{ }

void TdFormulaChangeHandler::setCalcFormula(int id)
{
    m_run->setCalcFormula(id);
    m_labels->updateLabels();
    m_zoom->resetZoom();
}

} // namespace KD
