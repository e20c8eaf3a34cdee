#pragma once

namespace KD {
namespace Drying {

// Appends one reading to a run, stepMs after the previous one.
class IMassAppendable
{
public:
    virtual ~IMassAppendable() = default;
    virtual void appendMass(int stepMs, double mass) = 0;
    // The readings appended between these two (a file's) may reach the
    // run's views together, at the end.
    virtual void beginAppending() { }
    virtual void endAppending() { }
};

} // namespace Drying
} // namespace KD
