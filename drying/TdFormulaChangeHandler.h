#pragma once

#include "drying/ICalcFormulaSetter.h"

namespace Common {
class ILabelsUpdater;
class IResetZoom;
} // namespace Common

namespace KD {

// One change of the humidity formula: the run recomputes, the titles follow
// and the plot shows the whole run again.
class TdFormulaChangeHandler : public ICalcFormulaSetter
{
public:
    TdFormulaChangeHandler(ICalcFormulaSetter* run, Common::ILabelsUpdater* labels,
                           Common::IResetZoom* zoom);

    void setCalcFormula(int id) override;

private:
    ICalcFormulaSetter* m_run;
    Common::ILabelsUpdater* m_labels;
    Common::IResetZoom* m_zoom;
};

} // namespace KD
