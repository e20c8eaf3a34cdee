#pragma once

namespace Common {

// Switches the connection-state message boxes off and on again.
class IConnectionDailogSilencer
{
public:
    virtual ~IConnectionDailogSilencer() = default;
    virtual void setSilent(bool silent) = 0;
};

} // namespace Common
