#include "store/ServerWatch.h"

#include <algorithm>

namespace store {

namespace {

using Clock = std::chrono::steady_clock;

int64_t ticks(Clock::time_point at) {
    // Never 0, which means "not waiting".
    return std::max<int64_t>(1, at.time_since_epoch().count());
}

} // namespace

ServerWatch::ServerWatch(int socket, std::chrono::milliseconds silence, std::chrono::milliseconds every)
    : socket(socket), silence(silence), every(every), thread([this] { run(); }) {}

ServerWatch::~ServerWatch() {
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    thread.join();
}

// A wait inside another (a migration asking the version) leaves the outer one's start alone. The
// connection is one thread's, so no other wait starts between the look and the mark.
ServerWatch::Wait::Wait(ServerWatch* watch) : watch(watch && watch->waitingSince == 0 ? watch : nullptr) {
    if (this->watch)
        this->watch->waitingSince = ticks(Clock::now());
}

ServerWatch::Wait::~Wait() {
    if (watch)
        watch->waitingSince = 0;
}

bool ServerWatch::overdue(std::chrono::milliseconds waitedFor, std::chrono::milliseconds sinceReceived,
                          std::chrono::milliseconds silence) {
    return waitedFor >= silence && sinceReceived >= silence;
}

void ServerWatch::run() {
    std::unique_lock lock(mutex);
    while (!wake.wait_for(lock, every, [this] { return stopping; })) {
        const int64_t since = waitingSince;
        if (since == 0)
            continue;
        const auto waitedFor = std::chrono::duration_cast<std::chrono::milliseconds>(
            Clock::now() - Clock::time_point(Clock::duration(since)));
        // A socket that tells nothing of its traffic (not TCP) counts the whole wait as silence: a
        // statement the server works on ends by its own time-out within the bound.
        if (overdue(waitedFor, sinceReceived(socket).value_or(waitedFor), silence)) {
            cut = true;
            shutDown(socket);
            return;
        }
    }
}

} // namespace store
