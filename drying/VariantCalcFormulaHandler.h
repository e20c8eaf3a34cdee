#pragma once

#include "drying/AbstractVariantDataHandler.h"

namespace KD {
namespace DataHandlers {

// A formula id from a QString holding the formula's name; a text that names
// no formula gives the default formula, any other type changes nothing.
class VariantCalcFormulaHandler : public Common::DataHandlers::AbstractVariantDataHandler
{
public:
    explicit VariantCalcFormulaHandler(int* field);

protected:
    void setValue(QVariant value) override;

private:
    int* m_field;
};

} // namespace DataHandlers
} // namespace KD
