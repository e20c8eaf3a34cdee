#pragma once

#include "drying/Context.h"
#include "drying/ICsvSavable.h"
#include "drying/IRunContextGetter.h"

namespace Common {
namespace CSV {
class ISaverCreator;
class ISaverErrorHandler;
} // namespace CSV
} // namespace Common

namespace KD {

class ITdDataInterface;

namespace Drying {

// Saves the run with its context as a run file the user picks.
class TdCsvExporter : public Common::ICsvSavable
{
public:
    TdCsvExporter(Common::CSV::ISaverErrorHandler* errors, Common::CSV::ISaverCreator* creator,
                  const ITdDataInterface* run,
                  const Common::IRunContextGetter<RunContext::Context>* context);
    bool save() override;

private:
    Common::CSV::ISaverErrorHandler* m_errors;
    Common::CSV::ISaverCreator* m_creator;
    const ITdDataInterface* m_run;
    const Common::IRunContextGetter<RunContext::Context>* m_context;
};

} // namespace Drying
} // namespace KD
