#pragma once

#include <QSet>

#include "drying/AbstractQSettingsOperation.h"

namespace Common {
namespace RunContext {

class IRunContextInfo;

// Reads which values are printed in the report; a missing or unreadable key
// counts as not printed.
class CheckLoader : public QSettingsUtils::AbstractQSettingsOperation
{
public:
    explicit CheckLoader(const IRunContextInfo& info);
    QSet<int> load();

protected:
    void operate(QSettings& settings) override;

private:
    const IRunContextInfo& m_info;
    QSet<int> m_checked;
};

} // namespace RunContext
} // namespace Common
