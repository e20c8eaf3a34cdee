#include "drying/TdCsvExporter.h"

#include "drying/ContextHandler.h"
#include "drying/LineIterator.h"
#include "drying/MetaDataCreator.h"
#include "drying/MetaDataInfo.h"
#include "drying/csvSaveDriver.h"

namespace KD {
namespace Drying {

TdCsvExporter::TdCsvExporter(Common::CSV::ISaverErrorHandler* errors,
                             Common::CSV::ISaverCreator* creator, const ITdDataInterface* run,
                             const Common::IRunContextGetter<RunContext::Context>* context)
    : m_errors(errors), m_creator(creator), m_run(run), m_context(context)
{ }

bool TdCsvExporter::save()
{
    RunContext::Context context = m_context->get();
    CSV::LineIterator rows(m_run);
    RunContext::ContextHandler handler(&context);
    const CSV::MetaData::Info info;
    Common::CSV::MetaData::Creator metaData(&handler, &info);
    // Column titles of the file format: never translated.
    const QStringList header{QStringLiteral("Time [HH:mm:ss]"), QStringLiteral("Mass [g]"),
                             QStringLiteral("Value [%]")};
    return Common::CSV::csvSaveDriver(m_creator, m_errors, &rows, &metaData,
                                      QStringLiteral("DryingResult"), header)
        .run();
}

} // namespace Drying
} // namespace KD
