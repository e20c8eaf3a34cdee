#pragma once

namespace Common {

// A guard in front of an action that would replace data: true means go on.
class IDataCleaner
{
public:
    virtual ~IDataCleaner() = default;
    virtual bool check() = 0;
};

} // namespace Common
