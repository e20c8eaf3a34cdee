#include "drying/TdRunContextGetter.h"

#include "drying/IDryingInfoGetter.h"
#include "drying/IUserDataGetter.h"

namespace KD {
namespace Drying {

TdRunContextGetter::TdRunContextGetter(const IUserDataGetter* userData,
                                       const IDryingInfoGetter* dryingInfo)
    : m_userData(userData), m_dryingInfo(dryingInfo)
{ }

RunContext::Context TdRunContextGetter::get() const
{
    RunContext::Context context;
    if (m_userData)
        static_cast<UserData&>(context) = m_userData->userData();
    if (m_dryingInfo)
        context.setRunValues(m_dryingInfo->info());
    return context;
}

} // namespace Drying
} // namespace KD
