#pragma once

#include "analyzer/NonDestructiveSlotOperation.h"

namespace KD {
namespace Communication {

// Reads a stored slot: 1 read the current parameters, 2 copy the slot to
// current, 3 read them (the slot's values), 4 write the first ones back.
class NonDestructiveSlotReader : public NonDestructiveSlotOperation
{
    Q_OBJECT
public:
    explicit NonDestructiveSlotReader(NDryer* dryer, QObject* parent = nullptr);

    void start(int slotIndex);
    DryingSettings result() const { return m_desired; }

protected slots:
    void onLoaderFinished(bool success) override;
    void onSetterFinished(bool success) override;
    void onMoverFinished(bool success) override;
};

} // namespace Communication
} // namespace KD
