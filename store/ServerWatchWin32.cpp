// What Windows says of the watched socket, and its shut-down.
#include "store/ServerWatch.h"

#include <winsock2.h>

namespace store {

// Windows' TCP statistics (SIO_TCP_INFO) count bytes, not the time of the last arrival: the whole
// wait counts as silence, as for a socket that is not TCP.
std::optional<std::chrono::milliseconds> ServerWatch::sinceReceived(int) {
    return std::nullopt;
}

void ServerWatch::shutDown(int socket) {
    // Shutting down, not closing: the socket stays libpq's, and its waiting read returns.
    shutdown(static_cast<SOCKET>(socket), SD_BOTH);
}

} // namespace store
