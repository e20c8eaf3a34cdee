#include "analyzer/NonDestructiveSlotOperation.h"

namespace KD {
namespace Communication {

NonDestructiveSlotOperation::NonDestructiveSlotOperation(NDryer* dryer, int operation,
                                                         QObject* parent)
    : QObject(parent), m_loader(dryer), m_setter(dryer), m_mover(dryer), m_operation(operation)
{
    connect(&m_loader, &SettingLoader::finished, this,
            &NonDestructiveSlotOperation::onLoaderFinished);
    connect(&m_setter, &SettingSetter::finished, this,
            &NonDestructiveSlotOperation::onSetterFinished);
    connect(&m_mover, &SlotMover::finished, this, &NonDestructiveSlotOperation::onMoverFinished);
}

void NonDestructiveSlotOperation::abort()
{
    m_loader.abort();
    m_setter.abort();
    m_mover.abort();
    m_step = 0;
    emit stateChanged();
}

void NonDestructiveSlotOperation::setStep(int step)
{
    if (m_step == step)
        return;
    m_step = step;
    emit stateChanged();
}

void NonDestructiveSlotOperation::succeed()
{
    setStep(0);
    emit finished(true);
}

void NonDestructiveSlotOperation::fail(const OperationError& inner)
{
    m_error = OperationError(m_operation, 0, 0);
    m_error.setInner(inner);
    setStep(0);
    emit finished(false);
}

} // namespace Communication
} // namespace KD
