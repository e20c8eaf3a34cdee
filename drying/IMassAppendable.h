#pragma once

namespace KD {
namespace Drying {

// Appends one reading to a run, stepMs after the previous one.
class IMassAppendable
{
public:
    virtual ~IMassAppendable() = default;
    virtual void appendMass(int stepMs, double mass) = 0;
};

} // namespace Drying
} // namespace KD
