#pragma once

#include "analyzer/NonDestructiveSlotOperation.h"

namespace KD {
namespace Communication {

// Writes a stored slot: 1 read the current parameters, 2 write the desired
// ones as current, 3 copy current to the slot, 4 write the first ones back.
class NonDestructiveSlotWriter : public NonDestructiveSlotOperation
{
    Q_OBJECT
public:
    explicit NonDestructiveSlotWriter(NDryer* dryer, QObject* parent = nullptr);

    void start(int slotIndex, const DryingSettings& settings);

protected slots:
    void onLoaderFinished(bool success) override;
    void onSetterFinished(bool success) override;
    void onMoverFinished(bool success) override;
};

} // namespace Communication
} // namespace KD
