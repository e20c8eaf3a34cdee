#pragma once

#include <QString>

namespace Common {

// Sets the titles of a plot's two scales.
class IPlotLabelSetter
{
public:
    virtual ~IPlotLabelSetter() = default;
    virtual void setXLabel(const QString& label) = 0;
    virtual void setYLabel(const QString& label) = 0;
};

} // namespace Common
