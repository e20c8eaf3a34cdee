#pragma once

#include "drying/IPlotPictureGetter.h"

#include <QSize>

namespace Common {

class PlotWrapper;

// Draws the drying plot into SVG at a fixed size, whatever size the widget
// has on screen, so every report shows the plot alike.
class PlotSvgGetter : public IPlotPictureGetter
{
public:
    explicit PlotSvgGetter(PlotWrapper* plot, const QSize& size = QSize(600, 350));
    QByteArray svgPicture() override;

private:
    PlotWrapper* m_plot;
    QSize m_size;
};

} // namespace Common
