#pragma once

#include "drying/ICalcFormulaSetter.h"
#include "drying/ITdTabReceiver.h"

namespace KD {

// Shows a formula that did not come from the page (a run file's) on the page,
// whose choice then reaches the run like the user's.
class TdTabFormulaSetter : public ITdTabReceiver, public ICalcFormulaSetter
{
public:
    void setTab(ITabDrying* tab) override { m_tab = tab; }
    void setCalcFormula(int id) override;

private:
    ITabDrying* m_tab = nullptr;
};

} // namespace KD
