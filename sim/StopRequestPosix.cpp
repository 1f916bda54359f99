// The signals are blocked in every thread and taken synchronously by the main thread.
#include "sim/StopRequest.h"

#include <csignal>
#include <ctime>

namespace {

sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

} // namespace

void holdStopRequests() {
    const sigset_t signals = stopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

bool stopRequested(std::chrono::milliseconds wait) {
    const sigset_t signals = stopSignals();
    const timespec limit{static_cast<time_t>(wait.count() / 1000),
                         static_cast<long>(wait.count() % 1000) * 1'000'000};
    return sigtimedwait(&signals, nullptr, &limit) >= 0;
}
