#pragma once

namespace Common {

// Hands out a complete run context record as it stands now.
template <typename Context>
class IRunContextGetter
{
public:
    virtual ~IRunContextGetter() = default;
    virtual Context get() const = 0;
};

} // namespace Common
