#pragma once

#include <QString>
#include <QStringList>

namespace Common {

class IMetaDataCreator;

namespace CSV {

class ILineIterator;
class ISaverCreator;
class ISaverErrorHandler;

// One save: metadata, header and rows into a file the user picks, failures
// shown by the error handler.
class csvSaveDriver
{
public:
    csvSaveDriver(ISaverCreator* creator, ISaverErrorHandler* errorHandler, ILineIterator* iterator,
                  IMetaDataCreator* metaData, const QString& context, const QStringList& header);
    bool run();

private:
    ISaverCreator* m_creator;
    ISaverErrorHandler* m_errorHandler;
    ILineIterator* m_iterator;
    IMetaDataCreator* m_metaData;
    QString m_context;
    QStringList m_header;
};

} // namespace CSV
} // namespace Common
