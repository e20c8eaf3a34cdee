#pragma once

#include <QString>

namespace Common {

// The progress display of a network module settings change.
class INetworkSettingsDialog
{
public:
    virtual ~INetworkSettingsDialog() = default;
    virtual void addStep(const QString& name) = 0;
    virtual void setStepResult(bool ok, const QString& details) = 0;
    virtual void setSummary(const QString& text) = 0;
    virtual void enableClose() = 0;
    virtual void clearSteps() = 0;
};

} // namespace Common
