#include "drying/VariantCalcFormulaHandler.h"

#include "drying/StringCalcFormulaHandler.h"

namespace KD {
namespace DataHandlers {

VariantCalcFormulaHandler::VariantCalcFormulaHandler(int* field)
    : AbstractVariantDataHandler(QMetaType::QString), m_field(field)
{ }

void VariantCalcFormulaHandler::setValue(QVariant value)
{
    if (m_field)
        *m_field = StringCalcFormulaHandler::formulaOfName(value.toString());
}

} // namespace DataHandlers
} // namespace KD
