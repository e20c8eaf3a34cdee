#pragma once

#include "drying/LabelsTrProvider.h"
#include "ui/ILabelsUpdater.h"

namespace Common {
class IModelHeaderSetter;
class IPlotLabelSetter;
} // namespace Common

namespace KD {

class ICalcFormulaGetter;

// Titles the run table's columns and the plot's vertical scale after the
// run's formula: "Dry mass [%]" for mn/m0, "Humidity [%]" otherwise.
class TdLabelsSetter : public Common::ILabelsUpdater
{
public:
    TdLabelsSetter(Common::IModelHeaderSetter* header, Common::IPlotLabelSetter* plot,
                   const ICalcFormulaGetter* formula);

    void updateLabels() override;

private:
    Common::IModelHeaderSetter* m_header;
    Common::IPlotLabelSetter* m_plot;
    const ICalcFormulaGetter* m_formula;
    LabelsTrProvider m_texts;
};

} // namespace KD
