#pragma once

namespace Common {

// Something drawn that can be redrawn from its data.
class IReplottable
{
public:
    virtual ~IReplottable() = default;
    virtual void replot() = 0;
};

} // namespace Common
