#include "analyzer/NonDestructiveSlotWriter.h"

#include <QDebug>

namespace KD {
namespace Communication {

namespace {
const int operationWriteSlot = 3;
} // namespace

NonDestructiveSlotWriter::NonDestructiveSlotWriter(NDryer* dryer, QObject* parent)
    : NonDestructiveSlotOperation(dryer, operationWriteSlot, parent)
{ }

void NonDestructiveSlotWriter::start(int slotIndex, const DryingSettings& settings)
{
    m_desired = settings;
    m_slot = slotIndex;
    setStep(1);
    m_loader.load();
}

void NonDestructiveSlotWriter::onLoaderFinished(bool success)
{
    qDebug() << Q_FUNC_INFO << success;
    if (!success) {
        fail(m_loader.errorInfo());
        return;
    }
    m_initial = m_loader.settings();
    setStep(2);
    m_setter.set(m_desired);
}

void NonDestructiveSlotWriter::onSetterFinished(bool success)
{
    qDebug() << Q_FUNC_INFO << success;
    if (!success) {
        fail(m_setter.errorInfo());
    } else if (step() == 4) {
        succeed();
    } else {
        setStep(3);
        m_mover.moveToSlot(m_slot);
    }
}

void NonDestructiveSlotWriter::onMoverFinished(bool success)
{
    qDebug() << Q_FUNC_INFO << success;
    if (!success) {
        fail(m_mover.errorInfo());
        return;
    }
    setStep(4);
    m_setter.set(m_initial);
}

} // namespace Communication
} // namespace KD
