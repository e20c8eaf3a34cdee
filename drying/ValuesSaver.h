#pragma once

#include <QMap>
#include <QString>

#include "drying/AbstractQSettingsOperation.h"

namespace Common {
namespace RunContext {

class IRunContextInfo;

// Replaces the group with the given texts, so stray keys do not survive.
class ValuesSaver : public QSettingsUtils::AbstractQSettingsOperation
{
public:
    ValuesSaver(const IRunContextInfo& info, const QMap<int, QString>& values);

protected:
    void operate(QSettings& settings) override;

private:
    const IRunContextInfo& m_info;
    const QMap<int, QString>& m_values;
};

} // namespace RunContext
} // namespace Common
