#include "drying/TdCsvContextSetter.h"

#include "drying/ICalcFormulaSetter.h"
#include "drying/IStartTimeSetter.h"
#include "drying/IUserDataSetter.h"

namespace KD {
namespace Drying {

TdCsvContextSetter::TdCsvContextSetter(ICalcFormulaSetter* formula, IUserDataSetter* userData,
                                       IStartTimeSetter* start)
    : m_formula(formula), m_userData(userData), m_start(start)
{ }

void TdCsvContextSetter::set(const RunContext::Context& context)
{
    m_userData->setUserData(context);
    m_formula->setCalcFormula(context.formula);
    // The end follows from the start and the loaded records.
    m_start->setStartTime(context.start);
}

void TdCsvContextSetter::forgetStartTime() { m_start->setStartTime(QDateTime()); }

} // namespace Drying
} // namespace KD
