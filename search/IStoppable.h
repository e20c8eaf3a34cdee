#pragma once

namespace Common {
namespace Communication {

// Polled between the tries of a port's search.
class IStoppable
{
public:
    virtual ~IStoppable() = default;
    virtual bool isStopped() = 0;
};

} // namespace Communication
} // namespace Common
