#pragma once

namespace KD {

// Told of the drying page's choice of a memory slot; index 0 is the empty
// first entry, index i the slot number i.
class ISlotCBoxChangeHandler
{
public:
    virtual ~ISlotCBoxChangeHandler() = default;
    virtual void onSlotComboChange(int index) = 0;
};

} // namespace KD
