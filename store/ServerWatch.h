// Bounds, from the client's side, how long a PostgreSQL server may leave a request unanswered.
//
// The connection's own bounds do not cover a server process that stopped after the connection was
// made (a hung backend, a machine swapping to death, a process stopped by a debugger): its kernel
// still acknowledges every byte and answers TCP keepalives, and the statement time-out runs inside
// the server, so libpq would wait for the reply for ever. The thread that runs a statement marks
// the time it waits for the answer (waiting()); the watch looks once in a while, and when that wait
// has lasted longer than the bound and nothing has come in over the socket for as long, it shuts
// the socket down, and the waiting statement fails at once with the connection's error. Time the
// client spends on the rows it has (a listing written to a slow pipe) is no wait, and an idle
// connection is never cut.
//
// The watch's thread never calls libpq: the connection is the statement's thread's alone. It knows
// only the socket, and what the kernel says of it (ServerWatchPosix.cpp).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

namespace store {

class ServerWatch {
public:
    // Watches the connected socket `socket` with the bound `silence`; checks every `every`.
    ServerWatch(int socket, std::chrono::milliseconds silence,
                std::chrono::milliseconds every = std::chrono::milliseconds(250));
    ~ServerWatch();
    ServerWatch(const ServerWatch&) = delete;
    ServerWatch& operator=(const ServerWatch&) = delete;

    // While it lives, the client waits on the server (a statement sent, its answer not all in).
    class Wait {
    public:
        explicit Wait(ServerWatch* watch);
        ~Wait();
        Wait(const Wait&) = delete;
        Wait& operator=(const Wait&) = delete;

    private:
        ServerWatch* watch;
    };
    // Marks a wait on the server for as long as the result lives; none when `watch` is null.
    static Wait waiting(ServerWatch* watch) { return Wait(watch); }

    // Whether the watch cut the connection because the server stayed silent.
    bool cutOff() const { return cut; }
    std::chrono::milliseconds bound() const { return silence; }

    // Whether a client that has waited on the server for `waitedFor`, on a socket whose last data
    // came in `sinceReceived` ago, has waited longer than `silence`.
    static bool overdue(std::chrono::milliseconds waitedFor, std::chrono::milliseconds sinceReceived,
                        std::chrono::milliseconds silence);

private:
    void run();
    // How long ago data last came in over `socket`, as the kernel counts it; none when it does not
    // tell (a socket that is not TCP).
    static std::optional<std::chrono::milliseconds> sinceReceived(int socket);
    // Ends every wait on `socket` at once, leaving the descriptor to its owner.
    static void shutDown(int socket);

    int socket;
    std::chrono::milliseconds silence;
    std::chrono::milliseconds every;
    // The steady clock's count when the wait began, 0 while the client does not wait.
    std::atomic<int64_t> waitingSince{0};
    std::atomic<bool> cut{false};
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::thread thread;
};

} // namespace store
