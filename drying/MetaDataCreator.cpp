#include "drying/MetaDataCreator.h"

#include "drying/IMetaDataInfo.h"
#include "drying/IRunContextHandler.h"

namespace Common {
namespace CSV {
namespace MetaData {

Creator::Creator(const IRunContextHandler* handler, const IMetaDataInfo* info)
    : m_handler(handler), m_info(info)
{ }

MetaDataPairs Creator::create()
{
    MetaDataPairs pairs;
    for (const int id : m_info->ids())
        pairs.append({m_info->key(id), m_handler->toString(id)});
    return pairs;
}

} // namespace MetaData
} // namespace CSV
} // namespace Common
