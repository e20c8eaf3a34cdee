#include "analyzer/AnalysisStartStop.h"

#include "analyzer/IRunControl.h"
#include "ui/IDataCleaner.h"

namespace KD {

bool AnalysisStartStop::start()
{
    // Asking first would clear the run even when the controller then refuses
    // the start (no device, busy, already running).
    if (!controller || !controller->isReady())
        return false;
    if (preStartCheck && !preStartCheck->check())
        return false;
    return controller->startDrying();
}

void AnalysisStartStop::stop()
{
    if (controller)
        controller->stopDrying();
}

} // namespace KD
