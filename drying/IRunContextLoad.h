#pragma once

namespace Common {

// Restores a run context from the settings.
class IRunContextLoad
{
public:
    virtual ~IRunContextLoad() = default;
    virtual void load() = 0;
};

} // namespace Common
