#pragma once

#include <QSet>

namespace Common {

// The value ids (of the enumeration Enum) that the report prints.
template <typename Enum>
class IPdfSettingsGetter
{
public:
    virtual ~IPdfSettingsGetter() = default;
    virtual QSet<int> checkedValues() const = 0;
};

} // namespace Common
