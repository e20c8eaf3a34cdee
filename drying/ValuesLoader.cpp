#include "drying/ValuesLoader.h"

#include <QSettings>

#include "drying/IRunContextInfo.h"

namespace Common {
namespace RunContext {

ValuesLoader::ValuesLoader(const IRunContextInfo& info)
    : AbstractQSettingsOperation(info.valuesGroup()), m_info(info)
{ }

QMap<int, QString> ValuesLoader::load()
{
    m_values.clear();
    run();
    return m_values;
}

void ValuesLoader::operate(QSettings& settings)
{
    for (int id : m_info.allIds()) {
        const QString key = m_info.settingsKey(id);
        if (settings.contains(key))
            m_values.insert(id, settings.value(key).toString());
    }
}

} // namespace RunContext
} // namespace Common
