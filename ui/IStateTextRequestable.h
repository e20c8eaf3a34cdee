#pragma once

namespace Common {

class IStateTextRequestable
{
public:
    virtual ~IStateTextRequestable() = default;
    // Publish the current state text again (in the current language).
    virtual void requestStateText() = 0;
};

} // namespace Common
