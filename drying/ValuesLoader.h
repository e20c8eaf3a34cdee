#pragma once

#include <QMap>
#include <QString>

#include "drying/AbstractQSettingsOperation.h"

namespace Common {
namespace RunContext {

class IRunContextInfo;

// Reads the stored texts of every id whose key is present.
class ValuesLoader : public QSettingsUtils::AbstractQSettingsOperation
{
public:
    explicit ValuesLoader(const IRunContextInfo& info);
    QMap<int, QString> load();

protected:
    void operate(QSettings& settings) override;

private:
    const IRunContextInfo& m_info;
    QMap<int, QString> m_values;
};

} // namespace RunContext
} // namespace Common
