#pragma once

#include "drying/IMetaDataCreator.h"

#include <QStringList>

#include <memory>

namespace Common {

class IFilePathGetter;
class IFileWrapper;

namespace CSV {

class ILineIterator;

// Writes a CSV file the user picks: the metadata block, the header line and
// every row of the line iterator.
class CSVSaver2
{
public:
    enum Status { Ok = 0, NoIterator = 1, OpenFailed = 2, WriteFailed = 3 };

    CSVSaver2(std::shared_ptr<IFileWrapper> file, std::shared_ptr<IFilePathGetter> pathGetter);

    void setLineIterator(ILineIterator* iterator) { m_iterator = iterator; }
    void setHeader(const QStringList& header) { m_header = header; }
    void setMetaData(const MetaDataPairs& metaData) { m_metaData = metaData; }

    // False when cancelled (status 0) or failed (status 1 to 3). A file is
    // reported as saved only once every byte reached it.
    bool save();
    int status() const { return m_status; }

private:
    std::shared_ptr<IFileWrapper> m_file;
    std::shared_ptr<IFilePathGetter> m_pathGetter;
    ILineIterator* m_iterator = nullptr;
    QStringList m_header;
    MetaDataPairs m_metaData;
    int m_status = Ok;
};

} // namespace CSV
} // namespace Common
