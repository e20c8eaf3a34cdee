#pragma once

#include <QMap>
#include <QString>

namespace Common {

class IRunContextHandler;

namespace CSV {
namespace MetaData {

class IMetaDataInfo;

// Writes the values a file's metadata holds into a run context; keys that no
// value id names are ignored.
class Reader
{
public:
    Reader(IRunContextHandler* handler, const IMetaDataInfo* info);
    void apply(const QMap<QString, QString>& metaData);

private:
    IRunContextHandler* m_handler;
    const IMetaDataInfo* m_info;
};

} // namespace MetaData
} // namespace CSV
} // namespace Common
