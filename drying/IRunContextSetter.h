#pragma once

namespace Common {

// Takes a run context record read from somewhere (a run file).
template <typename Context>
class IRunContextSetter
{
public:
    virtual ~IRunContextSetter() = default;
    virtual void set(const Context& context) = 0;
};

} // namespace Common
