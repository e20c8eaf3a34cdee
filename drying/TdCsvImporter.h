#pragma once

#include "drying/ICsvLoadable.h"

namespace Common {
namespace CSV {
class ILoaderCreator;
class ILoaderErrorHandler;
} // namespace CSV
} // namespace Common

namespace KD {
namespace Drying {

class ITdFileDataReceiver;
class TdCsvContextSetter;

// Loads a run file the user picks into the run model, the run context and
// the drying page's formula. The run must have been emptied before.
class TdCsvImporter : public Common::ICsvLoadable
{
public:
    TdCsvImporter(Common::CSV::ILoaderCreator* creator, Common::CSV::ILoaderErrorHandler* errors,
                  ITdFileDataReceiver* receiver, TdCsvContextSetter* context);
    bool load() override;

private:
    Common::CSV::ILoaderCreator* m_creator;
    Common::CSV::ILoaderErrorHandler* m_errors;
    ITdFileDataReceiver* m_receiver;
    TdCsvContextSetter* m_context;
};

} // namespace Drying
} // namespace KD
