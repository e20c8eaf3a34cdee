#pragma once

#include <QSet>

namespace Common {
namespace RunContext {

// The set of value ids printed in the report.
class ICheckedValuesHandler
{
public:
    virtual ~ICheckedValuesHandler() = default;
    virtual QSet<int> checkedAll() const = 0;
    virtual void setChecked(int id, bool checked) = 0;
    virtual void setCheckedAll(const QSet<int>& ids) = 0;
};

} // namespace RunContext
} // namespace Common
