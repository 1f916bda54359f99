#include "store/ServerWatch.h"

#include "store/SystemCalls.h"

#include <libpq-fe.h>

namespace store {

ServerWatch::ServerWatch(pg_conn* connection, std::chrono::milliseconds silence,
                         std::chrono::milliseconds every)
    : connection(connection), fd(PQsocket(connection)), silence(silence), every(every),
      thread([this] { run(); }) {}

ServerWatch::~ServerWatch() {
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    thread.join();
}

bool ServerWatch::overdue(std::chrono::milliseconds busyFor, std::chrono::milliseconds sinceReceived,
                          std::chrono::milliseconds silence) {
    return busyFor >= silence && sinceReceived >= silence;
}

void ServerWatch::run() {
    using clock = std::chrono::steady_clock;
    bool busy = false;
    clock::time_point busySince;
    std::unique_lock lock(mutex);
    while (!wake.wait_for(lock, every, [this] { return stopping; })) {
        // Whether a command is under way is a field libpq sets as it sends and reads; the socket's
        // send and receive times alone cannot tell a request from the answer before it, which go
        // within the same millisecond.
        if (PQtransactionStatus(connection) != PQTRANS_ACTIVE) {
            busy = false;
            continue;
        }
        const clock::time_point now = clock::now();
        if (!busy) {
            busy = true;
            busySince = now;
        }
        // The system keeps, per connection, how long ago data last came in; a socket that is not TCP
        // (a local one), or a system that does not tell, is left alone.
        const std::optional<std::chrono::milliseconds> sinceReceived = sinceDataReceived(fd);
        if (!sinceReceived)
            continue;
        if (overdue(std::chrono::duration_cast<std::chrono::milliseconds>(now - busySince), *sinceReceived,
                    silence)) {
            cut = true;
            // Shutting down, not closing: the descriptor stays libpq's, and its waiting read returns.
            shutDownSocket(fd);
            return;
        }
    }
}

} // namespace store
