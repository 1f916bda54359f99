// Bounds, from the client's side, how long a PostgreSQL server may leave a request unanswered.
//
// The connection's own bounds do not cover a server process that stopped after the connection was
// made (a hung backend, a machine swapping to death, a process stopped by a debugger): its kernel
// still acknowledges every byte and answers TCP keepalives, and the statement time-out runs inside
// the server, so libpq would wait for the reply for ever. The watch looks at the connection once in
// a while: when a command has been under way for longer than the bound and nothing has come in over
// the socket for as long, it shuts the socket down, and the waiting statement fails at once with the
// connection's error. A connection that is idle, or that receives rows however slowly, is never cut.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

struct pg_conn;

namespace store {

class ServerWatch {
public:
    // Watches the open connection `connection` with the bound `silence`; checks every `every`.
    ServerWatch(pg_conn* connection, std::chrono::milliseconds silence,
                std::chrono::milliseconds every = std::chrono::milliseconds(250));
    ~ServerWatch();
    ServerWatch(const ServerWatch&) = delete;
    ServerWatch& operator=(const ServerWatch&) = delete;

    // Whether the watch cut the connection because the server stayed silent.
    bool cutOff() const { return cut; }
    std::chrono::milliseconds bound() const { return silence; }

    // Whether a command under way for `busyFor`, on a socket whose last data came in `sinceReceived`
    // ago, has waited for the server longer than `silence`.
    static bool overdue(std::chrono::milliseconds busyFor, std::chrono::milliseconds sinceReceived,
                        std::chrono::milliseconds silence);

private:
    void run();

    pg_conn* connection;
    int fd;
    std::chrono::milliseconds silence;
    std::chrono::milliseconds every;
    std::atomic<bool> cut{false};
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::thread thread;
};

} // namespace store
