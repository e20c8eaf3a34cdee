#pragma once

namespace KD {

// The selected humidity formula id (CalcFormula::Type values).
class ICalcFormulaGetter
{
public:
    virtual ~ICalcFormulaGetter() = default;
    virtual int calcFormula() const = 0;
};

} // namespace KD
