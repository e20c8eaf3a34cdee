#pragma once

#include <QSet>

#include "drying/AbstractQSettingsOperation.h"

namespace Common {
namespace RunContext {

class IRunContextInfo;

// Replaces the group with one flag per id, unchecked ids included.
class CheckSaver : public QSettingsUtils::AbstractQSettingsOperation
{
public:
    CheckSaver(const IRunContextInfo& info, const QSet<int>& checked);

protected:
    void operate(QSettings& settings) override;

private:
    const IRunContextInfo& m_info;
    const QSet<int>& m_checked;
};

} // namespace RunContext
} // namespace Common
