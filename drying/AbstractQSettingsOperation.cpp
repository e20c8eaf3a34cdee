#include "drying/AbstractQSettingsOperation.h"

#include <QSettings>

namespace Common {
namespace QSettingsUtils {

AbstractQSettingsOperation::AbstractQSettingsOperation(const QString& group) : m_group(group) { }

void AbstractQSettingsOperation::run()
{
    QSettings settings;
    m_groupExisted = settings.childGroups().contains(m_group, Qt::CaseSensitive);
    settings.beginGroup(m_group);
    operate(settings);
    settings.endGroup();
}

} // namespace QSettingsUtils
} // namespace Common
