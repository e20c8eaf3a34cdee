#pragma once

#include "ui/IReplottable.h"
#include "ui/IResetZoom.h"

namespace Common {

// A plot as the data feeders see it: redraw, and show everything again.
class IPlot : public IReplottable, public IResetZoom
{ };

} // namespace Common
