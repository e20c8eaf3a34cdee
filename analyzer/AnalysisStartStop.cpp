#include "analyzer/AnalysisStartStop.h"

#include "analyzer/IRunControl.h"
#include "ui/IDataCleaner.h"

namespace KD {

bool AnalysisStartStop::start()
{
    // Asking first would clear the run even when the controller then refuses
    // the start (no device, busy, already running).
    if (!m_controller || !m_controller->isReady())
        return false;
    if (m_preStartCheck && !m_preStartCheck->check())
        return false;
    return m_controller->startDrying();
}

void AnalysisStartStop::stop()
{
    if (m_controller)
        m_controller->stopDrying();
}

} // namespace KD
