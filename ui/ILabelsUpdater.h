#pragma once

namespace Common {

// Brings the column and scale titles of a view in line with its data.
class ILabelsUpdater
{
public:
    virtual ~ILabelsUpdater() = default;
    virtual void updateLabels() = 0;
};

} // namespace Common
