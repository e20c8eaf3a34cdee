#pragma once

#include "drying/IMetaDataInfo.h"

namespace KD {
namespace Drying {
namespace CSV {
namespace MetaData {

// The run context values of a run file's metadata block and their keys.
class Info : public Common::CSV::MetaData::IMetaDataInfo
{
public:
    QVector<int> ids() const override;
    QString key(int id) const override;
};

} // namespace MetaData
} // namespace CSV
} // namespace Drying
} // namespace KD
