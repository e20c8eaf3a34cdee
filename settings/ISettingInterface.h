#pragma once

#include "settings/DryingSettings.h"

namespace KD {

class ISettingNotifiable;

// The drying controller's parameter operations, as the pages see them. Each
// request is accepted only while the controller is ready. An implementation
// is a QObject with the signals ready() (an operation has ended, new requests
// are accepted) and error() (the operation that ends next has failed).
class ISettingInterface
{
public:
    virtual ~ISettingInterface() = default;
    // The parameter set last read from the analyzer (current settings or slot).
    virtual DryingSettings currentSettings() const = 0;
    // Outcome of the last read of the current settings.
    virtual bool lastLoadOk() const = 0;
    virtual bool loadSettings(ISettingNotifiable* requester) = 0;
    virtual bool writeSettings(const DryingSettings& settings) = 0;
    // Slots are numbered from 0. The requester is told only of a read that succeeded.
    virtual bool readSlot(int slot, ISettingNotifiable* requester) = 0;
    virtual bool writeSlot(int slot, const DryingSettings& settings) = 0;
    virtual void copySlotToCurrent(int slot) = 0;
};

} // namespace KD
