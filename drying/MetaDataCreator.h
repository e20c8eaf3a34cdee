#pragma once

#include "drying/IMetaDataCreator.h"

namespace Common {

class IRunContextHandler;

namespace CSV {
namespace MetaData {

class IMetaDataInfo;

// The metadata pairs of a run context: each value's key and text, in file order.
class Creator : public IMetaDataCreator
{
public:
    Creator(const IRunContextHandler* handler, const IMetaDataInfo* info);
    MetaDataPairs create() override;

private:
    const IRunContextHandler* m_handler;
    const IMetaDataInfo* m_info;
};

} // namespace MetaData
} // namespace CSV
} // namespace Common
