#include "analyzer/SlotMover.h"

#include "analyzer/CommandCodes.h"
#include "analyzer/NDryer.h"
#include "analyzer/SignalFollowing.h"

namespace KD {
namespace Communication {

namespace {
const int operationMoveToSlot = 5;
const int operationMoveFromSlot = 6;
} // namespace

SlotMover::SlotMover(NDryer* dryer, QObject* parent) : QObject(parent), m_dryer(dryer) { }

void SlotMover::moveToSlot(int slotIndex) { move(true, slotIndex); }

void SlotMover::moveFromSlot(int slotIndex) { move(false, slotIndex); }

void SlotMover::move(bool toSlot, int slotIndex)
{
    m_toSlot = toSlot;
    listen(true);
    if (!m_dryer->sendCommandInt(expectedCode(), slotIndex + 1))
        fail();
}

void SlotMover::abort() { listen(false); }

int SlotMover::expectedCode() const
{
    return m_toSlot ? Code::CopyCurrentToSlot : Code::CopySlotToCurrent;
}

void SlotMover::commandCallback(int result, int command)
{
    // An outcome queued before an abort still arrives after it.
    if (!m_listening)
        return;
    if (result != 1) {
        fail();
        return;
    }
    if (command != expectedCode())
        return;
    listen(false);
    emit finished(true);
}

void SlotMover::fail()
{
    m_error =
        OperationError(m_toSlot ? operationMoveToSlot : operationMoveFromSlot, 0, expectedCode());
    listen(false);
    emit finished(false);
}

void SlotMover::listen(bool on)
{
    m_listening = on;
    followSignal(m_dryer, &NDryer::commandFinished, this, &SlotMover::commandCallback, on);
}

} // namespace Communication
} // namespace KD
