#pragma once

#include "drying/IRunContextInfo.h"

namespace KD {
namespace Drying {
namespace RunContext {

// Keys and id lists of the drying run's context. Ids outside 0..16 get an
// empty key and no membership.
class ContextInfo : public Common::RunContext::IRunContextInfo
{
public:
    QList<int> valueIds() const override;
    QList<int> allIds() const override;
    QString settingsKey(int id) const override;
    QSet<int> defaultChecked() const override;
    QSet<int> storedValueIds() const override;
    int timeId() const override;
    int dateId() const override;
    QString checkGroup() const override;
    QString valuesGroup() const override;

    // Key of the value in the run CSV file; empty for values the file lacks.
    QString csvKey(int id) const;
    // Name under which the report template reads the value.
    QString reportName(int id) const;
    // The values of the run CSV file's metadata lines, in file order.
    QList<int> csvOrder() const;
};

} // namespace RunContext
} // namespace Drying
} // namespace KD
