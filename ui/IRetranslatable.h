#pragma once

namespace Common {

// A non-widget object that owns visible texts and refreshes them when the
// language changes.
class IRetranslatable
{
public:
    virtual ~IRetranslatable() = default;
    virtual void retranslate() = 0;
};

} // namespace Common
