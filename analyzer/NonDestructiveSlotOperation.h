#pragma once

#include "analyzer/OperationError.h"
#include "analyzer/SettingLoader.h"
#include "analyzer/SettingSetter.h"
#include "analyzer/SlotMover.h"
#include "settings/DryingSettings.h"

#include <QObject>

namespace KD {
namespace Communication {

class NDryer;

// Common part of the slot reader and writer: both go through the analyzer's
// current parameters and put them back afterwards, in up to four steps
// (0 idle). Every change of step emits stateChanged().
class NonDestructiveSlotOperation : public QObject
{
    Q_OBJECT
public:
    // Stops the inner operations without a signal and returns to step 0.
    void abort();
    OperationError errorInfo() const { return m_error; }
    int step() const { return m_step; }

signals:
    void finished(bool success);
    void stateChanged();

protected slots:
    virtual void onLoaderFinished(bool success) = 0;
    virtual void onSetterFinished(bool success) = 0;
    virtual void onMoverFinished(bool success) = 0;

protected:
    NonDestructiveSlotOperation(NDryer* dryer, int operation, QObject* parent);

    void setStep(int step);
    void succeed();
    void fail(const OperationError& inner);

    SettingLoader m_loader;
    SettingSetter m_setter;
    SlotMover m_mover;
    DryingSettings m_initial;
    DryingSettings m_desired;
    int m_slot = 0;

private:
    int m_step = 0;
    int m_operation;
    OperationError m_error;
};

} // namespace Communication
} // namespace KD
