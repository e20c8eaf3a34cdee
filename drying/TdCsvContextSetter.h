#pragma once

#include "drying/Context.h"
#include "drying/IRunContextSetter.h"

namespace KD {

class ICalcFormulaSetter;
class IStartTimeSetter;

namespace Drying {

class IUserDataSetter;

// Applies the context read from a run file: the user data to the run context,
// the formula to the drying page and the start time to the run summary.
class TdCsvContextSetter : public Common::IRunContextSetter<RunContext::Context>
{
public:
    TdCsvContextSetter(ICalcFormulaSetter* formula, IUserDataSetter* userData,
                       IStartTimeSetter* start);
    void set(const RunContext::Context& context) override;
    // A run being replaced by a file keeps no start of the run before it,
    // also when the file turns out unreadable.
    void forgetStartTime();

private:
    ICalcFormulaSetter* m_formula;
    IUserDataSetter* m_userData;
    IStartTimeSetter* m_start;
};

} // namespace Drying
} // namespace KD
