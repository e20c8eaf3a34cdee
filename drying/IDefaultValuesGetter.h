#pragma once

#include <QMap>
#include <QString>

namespace Common {
namespace RunContext {

// Texts a run context starts with when nothing was saved yet.
class IDefaultValuesGetter
{
public:
    virtual ~IDefaultValuesGetter() = default;
    virtual QString value(int id) const = 0;
    virtual bool hasValue(int id) const = 0;
    virtual QMap<int, QString> defaults() const = 0;
};

} // namespace RunContext
} // namespace Common
