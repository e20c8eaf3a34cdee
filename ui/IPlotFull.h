#pragma once

#include "ui/IPixmapGettable.h"
#include "ui/IPlot.h"
#include "ui/IPlotLabelSetter.h"

namespace Common {

// Everything the program does with a plot besides placing its widget.
class IPlotFull : public IPlot, public IPlotLabelSetter, public IPixmapGettable
{ };

} // namespace Common
