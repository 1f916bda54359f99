// Ctrl+C and the system's requests to end scale-sim (SIGINT and SIGTERM on Linux; Ctrl+C, Ctrl+Break
// and the console window's close on Windows), taken by the main thread so that it stops the scale in
// order: the last acknowledgement counted, the link removed, the state file saved. One source file
// per system, chosen in CMake.
#pragma once

#include <chrono>

// Call before any thread starts: from then on a request no longer ends the program at once.
void holdStopRequests();
// Waits at most `wait` for a request; true once one has come.
bool stopRequested(std::chrono::milliseconds wait);
