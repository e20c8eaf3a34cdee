#pragma once

namespace Common {

class ICsvLoadable
{
public:
    virtual ~ICsvLoadable() = default;
    virtual bool load() = 0;
};

} // namespace Common
