#pragma once

namespace KD {
namespace Drying {

// How long the run has lasted: the last record's time in ms, 0 when empty.
class IDryingTimeGetter
{
public:
    virtual ~IDryingTimeGetter() = default;
    virtual int dryingTime() const = 0;
};

} // namespace Drying
} // namespace KD
