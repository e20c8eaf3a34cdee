#include "drying/TdLiveRunGuard.h"

#include "analyzer/HLDryerController.h"
#include "ui/MessageBoxContext.h"

namespace KD {
namespace Drying {

TdLiveRunGuard::TdLiveRunGuard(const HLDryerController* controller, Common::IDataCleaner* clear,
                               Common::ICsvLoadable* load, const MessageBoxContext* boxes,
                               QObject* parent)
    : QObject(parent), m_controller(controller), m_clear(clear), m_load(load), m_boxes(boxes)
{
    // Direct: the state must be known before any queued handler runs.
    connect(controller, &HLDryerController::dryingStarted, this, &TdLiveRunGuard::onDryingStart,
            Qt::DirectConnection);
}

bool TdLiveRunGuard::check() { return !refused() && m_clear->check(); }

bool TdLiveRunGuard::load() { return !refused() && m_load->load(); }

void TdLiveRunGuard::onDryingStart(bool, bool isIgnored, int) { m_recorded = !isIgnored; }

bool TdLiveRunGuard::refused() const
{
    const int state = m_controller->state();
    const bool running = state == OperationState::Starting || state == OperationState::Running
                         || state == OperationState::Stopping;
    // A program start is recorded from the moment it is asked for.
    const bool recorded = m_recorded || state == OperationState::Starting;
    if (!running || !recorded)
        return false;
    m_boxes->showWarning(
        tr("The data cannot be cleared or loaded while a drying run is in progress!"));
    return true;
}

} // namespace Drying
} // namespace KD
