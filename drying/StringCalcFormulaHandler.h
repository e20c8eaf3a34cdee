#pragma once

#include <QString>

#include "drying/IDataHandler.h"

namespace KD {
namespace DataHandlers {

// A formula id from its name without the " *100%" suffix; a text that names
// no formula gives the default formula.
class StringCalcFormulaHandler : public Common::DataHandlers::IDataHandler<QString>
{
public:
    explicit StringCalcFormulaHandler(int* field);
    void set(const QString& value) override;

    // The formula id a name stands for, the default formula when none.
    static int formulaOfName(const QString& name);

private:
    int* m_field;
};

} // namespace DataHandlers
} // namespace KD
