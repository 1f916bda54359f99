// What the kernel says of the watched socket, and its shut-down: POSIX sockets with Linux's TCP_INFO.
#include "store/ServerWatch.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace store {

std::optional<std::chrono::milliseconds> ServerWatch::sinceReceived(int socket) {
    // The kernel keeps, per connection, how long ago data last came in.
    tcp_info info{};
    socklen_t size = sizeof info;
    if (getsockopt(socket, IPPROTO_TCP, TCP_INFO, &info, &size) != 0 ||
        size < offsetof(tcp_info, tcpi_last_data_recv) + sizeof info.tcpi_last_data_recv)
        return std::nullopt;
    return std::chrono::milliseconds(info.tcpi_last_data_recv);
}

void ServerWatch::shutDown(int socket) {
    // Shutting down, not closing: the descriptor stays libpq's, and its waiting read returns.
    shutdown(socket, SHUT_RDWR);
}

} // namespace store
