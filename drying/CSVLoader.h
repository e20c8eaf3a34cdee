#pragma once

#include "drying/LoadErrorInfo.h"

#include <QMap>
#include <QString>

#include <memory>

namespace Common {

class IFilePathGetter;
class IFileWrapper;

namespace CSV {

class ICSVLineHandler;

// Reads a CSV file the user picks: the metadata block (when asked for), then
// every data row, which goes to the line handler in file order.
class CSVLoader
{
public:
    enum Status { Ok = 0, OpenFailed = 2, RowRefused = 3 };

    CSVLoader(std::shared_ptr<IFileWrapper> file, std::shared_ptr<IFilePathGetter> pathGetter,
              ICSVLineHandler* handler, bool readMetaData);

    // False when cancelled (status 0) or failed (status 2 or 3).
    bool load();
    int status() const { return m_status; }
    LoadErrorInfo errorInfo() const;
    QMap<QString, QString> metaData() const { return m_metaData; }

private:
    std::shared_ptr<IFileWrapper> m_file;
    std::shared_ptr<IFilePathGetter> m_pathGetter;
    ICSVLineHandler* m_handler;
    int m_status = Ok;
    QString m_errorReason;
    QString m_errorLine;
    int m_errorLineNumber = 0;
    QMap<QString, QString> m_metaData;
    bool m_readMetaData;
};

} // namespace CSV
} // namespace Common
