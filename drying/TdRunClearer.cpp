#include "drying/TdRunClearer.h"

#include "drying/IStartTimeSetter.h"

namespace KD {
namespace Drying {

void TdRunClearer::clear()
{
    m_run->clear();
    m_start->setStartTime(QDateTime());
    m_plot->resetZoom();
}

} // namespace Drying
} // namespace KD
