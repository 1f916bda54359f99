#include "store/SystemCalls.h"

#include <winsock2.h>

namespace store {

// Windows has no way to ask a DLL for a function it imports from another: the answer is "cannot
// tell", and the archive then reads through a connection of its own.
bool libraryResolvesTo(const void*, const char*, const void*) {
    return false;
}

// Windows' TCP statistics (SIO_TCP_INFO) count bytes, not the time of the last arrival: the watch
// cannot tell a silent server from a slow one there, and leaves the connection to libpq's own
// time-outs.
std::optional<std::chrono::milliseconds> sinceDataReceived(int) {
    return std::nullopt;
}

void shutDownSocket(int socket) {
    shutdown(static_cast<SOCKET>(socket), SD_BOTH);
}

} // namespace store
