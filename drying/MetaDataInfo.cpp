#include "drying/MetaDataInfo.h"

#include "drying/ContextInfo.h"

namespace KD {
namespace Drying {
namespace CSV {
namespace MetaData {

QVector<int> Info::ids() const
{
    static const QVector<int> order = RunContext::ContextInfo().csvOrder().toVector();
    return order;
}

QString Info::key(int id) const { return RunContext::ContextInfo().csvKey(id); }

} // namespace MetaData
} // namespace CSV
} // namespace Drying
} // namespace KD
