#pragma once

namespace hexling {

// Ends the event loop, so that the program closes its window and exits with
// status 0, when the session asks it to end (SIGTERM, SIGHUP) or the user
// interrupts it from a terminal (SIGINT). Call it once the application exists.
void QuitOnTerminationSignals();

}  // namespace hexling
