#include "store/SystemCalls.h"

#include <cstddef>
#include <dlfcn.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace store {

bool libraryResolvesTo(const void* object, const char* symbol, const void* ours) {
    Dl_info library{};
    if (dladdr(object, &library) == 0 || library.dli_fname == nullptr)
        return false;
    void* loaded = dlopen(library.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (loaded == nullptr)
        return false;
    const bool same = dlsym(loaded, symbol) == ours;
    dlclose(loaded);
    return same;
}

std::optional<std::chrono::milliseconds> sinceDataReceived(int socket) {
    tcp_info info{};
    socklen_t size = sizeof info;
    if (getsockopt(socket, IPPROTO_TCP, TCP_INFO, &info, &size) != 0 ||
        size < offsetof(tcp_info, tcpi_last_data_recv) + sizeof info.tcpi_last_data_recv)
        return std::nullopt;
    return std::chrono::milliseconds(info.tcpi_last_data_recv);
}

void shutDownSocket(int socket) {
    shutdown(socket, SHUT_RDWR);
}

} // namespace store
