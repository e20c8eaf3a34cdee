#pragma once

namespace KD {

// Selects the humidity formula by id (CalcFormula::Type values).
class ICalcFormulaSetter
{
public:
    virtual ~ICalcFormulaSetter() = default;
    virtual void setCalcFormula(int id) = 0;
};

} // namespace KD
