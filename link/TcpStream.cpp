// The part of TcpStream that is the same on every platform: trying each address of the host within
// one time-out, and the graceful end.
#include "link/TcpStream.h"

#ifdef _WIN32
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <netinet/in.h>
#endif

int TcpStream::msUntil(Deadline deadline) {
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

TcpStream::~TcpStream() {
    close();
}

bool TcpStream::connect(const std::string& host, const std::string& service, int timeoutMs,
                        std::string& error) {
    close();
    if (!socketsReady(error))
        return false;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    if (int rc = getaddrinfo(host.c_str(), service.c_str(), &hints, &found); rc != 0) {
        error = host + ": " + resolveFailure(rc);
        return false;
    }
    Deadline deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string why = "no address";
    for (const addrinfo* address = found; address && socket < 0 && msUntil(deadline) > 0;
         address = address->ai_next)
        socket = connectTo(*address, msUntil(deadline), why);
    freeaddrinfo(found);
    if (socket < 0)
        error = host + ":" + service + ": " + why;
    return socket >= 0;
}

void TcpStream::close() {
    if (socket < 0)
        return;
    // A graceful end: the server reads everything sent (the last acknowledgement) before it sees
    // the end. Closing with unread input would reset the connection instead, and a reset may take the
    // bytes the server has not yet passed on to the scale with it.
    shutdownSending();
    uint8_t rest[256];
    std::string ignored;
    Deadline deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCloseMs);
    // A server that keeps sending is not waited for past the deadline.
    while (msUntil(deadline) > 0 && receive(rest, sizeof rest, msUntil(deadline), ignored) > 0)
        ;
    abandon();
}

void TcpStream::abandon() {
    if (socket >= 0)
        release();
    socket = -1;
}
