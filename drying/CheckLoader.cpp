#include "drying/CheckLoader.h"

#include <QSettings>

#include "drying/IRunContextInfo.h"

namespace Common {
namespace RunContext {

CheckLoader::CheckLoader(const IRunContextInfo& info)
    : AbstractQSettingsOperation(info.checkGroup()), m_info(info)
{ }

QSet<int> CheckLoader::load()
{
    m_checked.clear();
    run();
    return m_checked;
}

void CheckLoader::operate(QSettings& settings)
{
    for (int id : m_info.allIds()) {
        if (settings.value(m_info.settingsKey(id)).toBool())
            m_checked.insert(id);
    }
}

} // namespace RunContext
} // namespace Common
