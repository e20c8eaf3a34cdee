#include "drying/ValuesSaver.h"

#include <QSettings>

#include "drying/IRunContextInfo.h"

namespace Common {
namespace RunContext {

ValuesSaver::ValuesSaver(const IRunContextInfo& info, const QMap<int, QString>& values)
    : AbstractQSettingsOperation(info.valuesGroup()), m_info(info), m_values(values)
{ }

void ValuesSaver::operate(QSettings& settings)
{
    settings.remove(QString());
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        settings.setValue(m_info.settingsKey(it.key()), it.value());
}

} // namespace RunContext
} // namespace Common
