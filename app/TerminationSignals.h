#pragma once

// On SIGTERM, SIGINT or SIGHUP the program closes its windows as the user
// would (the window keeps its geometry) and ends with the event loop's
// result, instead of being killed. Call once, after the application object
// exists; does nothing where the system has no such signals.
void closeWindowsOnTerminationSignals();
