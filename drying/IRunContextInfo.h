#pragma once

#include <QList>
#include <QSet>
#include <QString>

namespace Common {
namespace RunContext {

// The fixed tables of a run context: which ids exist, which are stored, and
// under which settings keys and groups.
class IRunContextInfo
{
public:
    virtual ~IRunContextInfo() = default;
    // Ids that carry a value (not the report switches).
    virtual QList<int> valueIds() const = 0;
    virtual QList<int> allIds() const = 0;
    virtual QString settingsKey(int id) const = 0;
    // Printed in the report when nothing was saved yet.
    virtual QSet<int> defaultChecked() const = 0;
    // Texts kept in the settings between runs of the program.
    virtual QSet<int> storedValueIds() const = 0;
    virtual int timeId() const = 0;
    virtual int dateId() const = 0;
    virtual QString checkGroup() const = 0;
    virtual QString valuesGroup() const = 0;
};

} // namespace RunContext
} // namespace Common
