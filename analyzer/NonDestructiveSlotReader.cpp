#include "analyzer/NonDestructiveSlotReader.h"

#include <QDebug>

namespace KD {
namespace Communication {

namespace {
const int operationReadSlot = 4;
} // namespace

NonDestructiveSlotReader::NonDestructiveSlotReader(NDryer* dryer, QObject* parent)
    : NonDestructiveSlotOperation(dryer, operationReadSlot, parent)
{ }

void NonDestructiveSlotReader::start(int slotIndex)
{
    m_slot = slotIndex;
    setStep(1);
    m_loader.load();
}

void NonDestructiveSlotReader::onLoaderFinished(bool success)
{
    qDebug() << Q_FUNC_INFO << success;
    if (!success) {
        fail(m_loader.errorInfo());
    } else if (step() == 1) {
        m_initial = m_loader.settings();
        setStep(2);
        m_mover.moveFromSlot(m_slot);
    } else {
        m_desired = m_loader.settings();
        setStep(4);
        m_setter.set(m_initial);
    }
}

void NonDestructiveSlotReader::onMoverFinished(bool success)
{
    qDebug() << Q_FUNC_INFO << success;
    if (!success) {
        fail(m_mover.errorInfo());
        return;
    }
    setStep(3);
    m_loader.load();
}

void NonDestructiveSlotReader::onSetterFinished(bool success)
{
    qDebug() << Q_FUNC_INFO << success;
    if (!success) {
        fail(m_setter.errorInfo());
        return;
    }
    succeed();
}

} // namespace Communication
} // namespace KD
