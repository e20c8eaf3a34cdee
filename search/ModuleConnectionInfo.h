#pragma once

#include "communication/ConnectionInfo.h"

namespace Common {
namespace Communication {

class DevNetworkInterface;

// How to reach the analyzer behind a network module with these settings: in
// server mode we connect to the module, otherwise the module connects to our
// server on the PC's address and port and is known by its MAC.
ConnectionInfo makeConnectionInfo(const DevNetworkInterface& settings);

} // namespace Communication
} // namespace Common
