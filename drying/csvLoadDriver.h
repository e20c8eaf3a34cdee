#pragma once

#include <QString>

namespace Common {
namespace CSV {

class ICSVLineHandler;
class ICsvMetaDataHandler;
class ILoaderCreator;
class ILoaderErrorHandler;

// One load: rows to the line handler, then the metadata to its handler;
// failures shown by the error handler.
class csvLoadDriver
{
public:
    csvLoadDriver(ILoaderCreator* creator, ICSVLineHandler* lineHandler,
                  ILoaderErrorHandler* errorHandler, ICsvMetaDataHandler* metaDataHandler,
                  const QString& context);
    bool run();

private:
    ILoaderCreator* m_creator;
    ICSVLineHandler* m_lineHandler;
    ILoaderErrorHandler* m_errorHandler;
    ICsvMetaDataHandler* m_metaDataHandler;
    QString m_context;
};

} // namespace CSV
} // namespace Common
