#include "drying/TdTabFormulaSetter.h"

#include "drying/ITabDrying.h"

namespace KD {

void TdTabFormulaSetter::setCalcFormula(int id)
{
    if (m_tab)
        m_tab->setCalcFormula(id);
}

} // namespace KD
