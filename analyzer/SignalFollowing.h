#pragma once

#include <QObject>

namespace KD {
namespace Communication {

// Connects (at most once) or disconnects a slot. The multi-step operations
// follow the facade's outcome signals only while they run.
template <typename Sender, typename Signal, typename Receiver, typename Slot>
void followSignal(const Sender* sender, Signal signal, const Receiver* receiver, Slot slot, bool on)
{
    if (on)
        QObject::connect(sender, signal, receiver, slot, Qt::UniqueConnection);
    else
        QObject::disconnect(sender, signal, receiver, slot);
}

} // namespace Communication
} // namespace KD
