#pragma once

namespace Common {

class ICsvSavable
{
public:
    virtual ~ICsvSavable() = default;
    virtual bool save() = 0;
};

} // namespace Common
