#include "drying/TdRunContext.h"

#include "drying/ContextPersistence.h"
#include "drying/ContextSetup.h"
#include "drying/DefaultValProvider.h"
#include "drying/IDryingInfoGetter.h"

namespace KD {
namespace Drying {

TdRunContext::TdRunContext(const IDryingInfoGetter* dryingInfo)
    : m_dryingInfo(dryingInfo), m_setupRunner(&Common::UI::ContextSetup::runSetup)
{ }

void TdRunContext::load()
{
    const RunContext::DefaultValProvider defaults;
    Common::RunContext::ContextPersistence::load(m_checkedHandler, m_contextHandler, m_info,
                                                 &defaults);
}

void TdRunContext::setup()
{
    if (m_dryingInfo)
        m_context.setRunValues(m_dryingInfo->info());
    if (m_setupRunner && m_setupRunner(&m_checkedHandler, &m_contextHandler, &m_pdfInfo))
        Common::RunContext::ContextPersistence::save(m_checkedHandler, m_contextHandler, m_info);
}

UserData TdRunContext::userData() const { return m_context; }

void TdRunContext::setUserData(const UserData& data) { static_cast<UserData&>(m_context) = data; }

QSet<int> TdRunContext::checkedValues() const { return m_checked; }

} // namespace Drying
} // namespace KD
