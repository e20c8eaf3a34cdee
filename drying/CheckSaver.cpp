#include "drying/CheckSaver.h"

#include <QSettings>

#include "drying/IRunContextInfo.h"

namespace Common {
namespace RunContext {

CheckSaver::CheckSaver(const IRunContextInfo& info, const QSet<int>& checked)
    : AbstractQSettingsOperation(info.checkGroup()), m_info(info), m_checked(checked)
{ }

void CheckSaver::operate(QSettings& settings)
{
    settings.remove(QString());
    for (int id : m_info.allIds())
        settings.setValue(m_info.settingsKey(id), m_checked.contains(id));
}

} // namespace RunContext
} // namespace Common
