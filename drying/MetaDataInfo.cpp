#include "drying/MetaDataInfo.h"

#include "drying/ContextInfo.h"

namespace KD {
namespace Drying {
namespace CSV {
namespace MetaData {

QVector<int> Info::ids() const { return RunContext::ContextInfo().csvOrder().toVector(); }

QString Info::key(int id) const { return RunContext::ContextInfo().csvKey(id); }

} // namespace MetaData
} // namespace CSV
} // namespace Drying
} // namespace KD
