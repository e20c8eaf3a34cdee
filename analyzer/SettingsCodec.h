#pragma once

#include "settings/DryingSettings.h"

#include <QVariant>

namespace KD {
namespace Communication {

// The value the set command `setCode` (100..106, 117..123) writes for the
// field it carries, encoded for the wire (formula 1 and 2 exchanged, times in
// seconds).
int encodeSetting(const DryingSettings& settings, int setCode);

// Stores the reply of the load command `loadCode` (110..116, 124..130) into
// its field of `settings`; other codes change nothing.
void decodeSetting(DryingSettings& settings, int loadCode, const QVariant& response);

} // namespace Communication
} // namespace KD
