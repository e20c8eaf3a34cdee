#include "drying/csvLoadDriver.h"

#include "drying/CSVLoader.h"
#include "drying/ICsvMetaDataHandler.h"
#include "drying/ILoaderCreator.h"
#include "drying/ILoaderErrorHandler.h"

namespace Common {
namespace CSV {

csvLoadDriver::csvLoadDriver(ILoaderCreator* creator, ICSVLineHandler* lineHandler,
                             ILoaderErrorHandler* errorHandler,
                             ICsvMetaDataHandler* metaDataHandler, const QString& context)
    : m_creator(creator), m_lineHandler(lineHandler), m_errorHandler(errorHandler),
      m_metaDataHandler(metaDataHandler), m_context(context)
{ }

bool csvLoadDriver::run()
{
    const std::shared_ptr<CSVLoader> loader =
        m_creator->create(m_lineHandler, m_context, m_metaDataHandler->expectsMetaData());
    if (!loader->load()) {
        m_errorHandler->onLoaderError(loader->errorInfo()); // code 0 (cancelled) shows nothing
        return false;
    }
    const QMap<QString, QString> metaData = loader->metaData();
    if (!metaData.isEmpty())
        m_metaDataHandler->handle(metaData);
    return true;
}

} // namespace CSV
} // namespace Common
