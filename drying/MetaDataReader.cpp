#include "drying/MetaDataReader.h"

#include "drying/IMetaDataInfo.h"
#include "drying/IRunContextHandler.h"

namespace Common {
namespace CSV {
namespace MetaData {

Reader::Reader(IRunContextHandler* handler, const IMetaDataInfo* info)
    : m_handler(handler), m_info(info)
{ }

void Reader::apply(const QMap<QString, QString>& metaData)
{
    for (const int id : m_info->ids()) {
        const auto it = metaData.constFind(m_info->key(id));
        if (it != metaData.constEnd())
            m_handler->setString(id, it.value());
    }
}

} // namespace MetaData
} // namespace CSV
} // namespace Common
