#include "drying/csvSaveDriver.h"

#include "drying/CSVSaver2.h"
#include "drying/IMetaDataCreator.h"
#include "drying/ISaverCreator.h"
#include "drying/ISaverErrorHandler.h"

namespace Common {
namespace CSV {

csvSaveDriver::csvSaveDriver(ISaverCreator* creator, ISaverErrorHandler* errorHandler,
                             ILineIterator* iterator, IMetaDataCreator* metaData,
                             const QString& context, const QStringList& header)
    : m_creator(creator), m_errorHandler(errorHandler), m_iterator(iterator), m_metaData(metaData),
      m_context(context), m_header(header)
{ }

bool csvSaveDriver::run()
{
    const MetaDataPairs metaData = m_metaData->create();
    const std::shared_ptr<CSVSaver2> saver = m_creator->create(m_context);
    saver->setLineIterator(m_iterator);
    saver->setMetaData(metaData);
    saver->setHeader(m_header);
    const bool saved = saver->save();
    if (!saved)
        m_errorHandler->onSaverError(saver->status()); // status 0 (cancelled) shows nothing
    return saved;
}

} // namespace CSV
} // namespace Common
