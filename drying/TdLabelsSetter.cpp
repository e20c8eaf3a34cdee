#include "drying/TdLabelsSetter.h"

#include "drying/ICalcFormulaGetter.h"
#include "settings/CalcFormula.h"
#include "terminal/IModelHeaderSetter.h"
#include "ui/IPlotLabelSetter.h"

namespace KD {

TdLabelsSetter::TdLabelsSetter(Common::IModelHeaderSetter* header, Common::IPlotLabelSetter* plot,
                               const ICalcFormulaGetter* formula)
    : m_header(header), m_plot(plot), m_formula(formula)
{ }

void TdLabelsSetter::updateLabels()
{
    const bool dry = CalcFormula::isMnOverM0(m_formula->calcFormula());
    const int valueId = dry ? LabelsTrProvider::DryMass : LabelsTrProvider::Humidity;
    const int ids[] = {LabelsTrProvider::Time, valueId, LabelsTrProvider::Mass};
    for (int column = 0; column < 3; ++column)
        m_header->setHeader(column, m_texts.text(ids[column]));
    m_plot->setYLabel(m_texts.text(valueId));
}

} // namespace KD
