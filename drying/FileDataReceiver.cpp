#include "drying/FileDataReceiver.h"

#include "drying/IDryingTimeGetter.h"
#include "drying/IMassAppendable.h"
#include "ui/IPlot.h"

#include <QtGlobal>

#include <limits>

namespace KD {
namespace Drying {

FileDataReceiver::FileDataReceiver(const IDryingTimeGetter* time, IMassAppendable* run,
                                   Common::IPlot* plot)
    : m_time(time), m_run(run), m_plot(plot)
{ }

void FileDataReceiver::start() { m_run->beginAppending(); }

void FileDataReceiver::receive(int timeMs, double mass)
{
    const qint64 step = qint64(timeMs) - m_time->dryingTime();
    m_run->appendMass(step < 0 ? 0 : int(qMin<qint64>(step, std::numeric_limits<int>::max())),
                      mass);
}

void FileDataReceiver::finish()
{
    m_run->endAppending();
    m_plot->replot();
    m_plot->resetZoom();
}

} // namespace Drying
} // namespace KD
