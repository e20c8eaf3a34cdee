#pragma once

#include <QByteArray>

namespace Common {

// A picture of the plot as SVG, so a report prints it as vector graphics.
class IPlotPictureGetter
{
public:
    virtual ~IPlotPictureGetter() = default;
    virtual QByteArray svgPicture() = 0;
};

} // namespace Common
