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

    // A data line is under 50 characters. The longest lines are the run
    // context's texts, typed in line edits: at most 32767 characters, twice
    // that once escaped. A longer line is refused when this much is read.
    static constexpr int kMaxLineLength = 256 * 1024;
    // One line per reading, at most one a second, and a run's times are
    // milliseconds in an int: 24.8 days, some 2.1 million lines of under 45
    // bytes (about 92 MiB; a 7-day run is 17 MiB). A larger file is no run
    // file, and is refused at its first line.
    static constexpr qint64 kMaxFileSize = 128 * 1024 * 1024;
    // The run context is thirteen lines; every value of the block is kept
    // until the block ends, so a longer one is refused before it grows.
    static constexpr int kMaxContextLines = 100;

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
