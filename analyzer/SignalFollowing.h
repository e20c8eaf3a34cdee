#pragma once

class QObject;

namespace KD {
namespace Communication {

// Connects (at most once) or disconnects a slot by signature. The multi-step
// operations follow the facade's outcome signals only while they run.
void followSignal(QObject* sender, const char* signal, QObject* receiver, const char* slot,
                  bool on);

} // namespace Communication
} // namespace KD
