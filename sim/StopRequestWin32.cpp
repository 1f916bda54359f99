// A console control handler turns Ctrl+C, Ctrl+Break and the console's close into an event the main
// thread waits for. The system runs the handler on a thread of its own and ends the process when it
// returns from a close, log-off or shut-down: it then waits for the main thread, which ends the
// process itself once the scale has stopped.
#include "sim/StopRequest.h"

#include <windows.h>

namespace {

HANDLE requested = nullptr;

BOOL WINAPI onConsoleControl(DWORD event) {
    SetEvent(requested);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        Sleep(INFINITE);
    return TRUE;
}

} // namespace

void holdStopRequests() {
    requested = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

bool stopRequested(std::chrono::milliseconds wait) {
    return WaitForSingleObject(requested, static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}
