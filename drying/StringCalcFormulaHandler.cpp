#include "drying/StringCalcFormulaHandler.h"

#include "settings/CalcFormula.h"

namespace KD {
namespace DataHandlers {

StringCalcFormulaHandler::StringCalcFormulaHandler(int* field) : m_field(field) { }

void StringCalcFormulaHandler::set(const QString& value)
{
    if (m_field)
        *m_field = formulaOfName(value);
}

int StringCalcFormulaHandler::formulaOfName(const QString& name)
{
    const CalcFormula::Type formula = CalcFormula::fromName(name);
    return formula == CalcFormula::Unknown ? CalcFormula::defaultValue() : formula;
}

} // namespace DataHandlers
} // namespace KD
