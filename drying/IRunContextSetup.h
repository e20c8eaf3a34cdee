#pragma once

namespace Common {

// Lets the user edit a run context and what its report prints.
class IRunContextSetup
{
public:
    virtual ~IRunContextSetup() = default;
    virtual void setup() = 0;
};

} // namespace Common
