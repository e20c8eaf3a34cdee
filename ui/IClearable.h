#pragma once

namespace Common {

// Something whose data can be emptied (the run model, guarded by AskCleaner).
class IClearable
{
public:
    virtual ~IClearable() = default;
    virtual void clear() = 0;
};

} // namespace Common
