#include "drying/TdCsvImporter.h"

#include "drying/ITdFileDataReceiver.h"
#include "drying/LineHandler.h"
#include "drying/MetaDataHandler.h"
#include "drying/TdCsvContextSetter.h"
#include "drying/csvLoadDriver.h"

namespace KD {
namespace Drying {

TdCsvImporter::TdCsvImporter(Common::CSV::ILoaderCreator* creator,
                             Common::CSV::ILoaderErrorHandler* errors,
                             ITdFileDataReceiver* receiver, TdCsvContextSetter* context)
    : m_creator(creator), m_errors(errors), m_receiver(receiver), m_context(context)
{ }

bool TdCsvImporter::load()
{
    CSV::MetaData::MetaDataHandler metaData(m_context);
    CSV::LineHandler rows(m_receiver);
    m_context->forgetStartTime();
    m_receiver->start();
    const bool loaded = Common::CSV::csvLoadDriver(m_creator, &rows, m_errors, &metaData,
                                                   QStringLiteral("DryingResult"))
                            .run();
    m_receiver->finish();
    return loaded;
}

} // namespace Drying
} // namespace KD
