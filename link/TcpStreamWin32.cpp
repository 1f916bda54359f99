// Winsock for TcpStream: a non-blocking socket, select() for every wait.
#include "link/TcpStream.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace {

std::string socketError(const std::string& what) {
    return what + " (error " + std::to_string(WSAGetLastError()) + ")";
}

// Waits until the socket can be read (or written); an error counts as ready, the next call says
// what it was. 1 ready, 0 nothing within waitMs, -1 a failed wait.
int waitFor(SOCKET s, bool writing, int waitMs) {
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(s, &ready);
    FD_SET(s, &failed);
    timeval limit{waitMs / 1000, (waitMs % 1000) * 1000};
    int n = select(0, writing ? nullptr : &ready, writing ? &ready : nullptr, &failed, &limit);
    return n == SOCKET_ERROR ? -1 : (n > 0 ? 1 : 0);
}

} // namespace

intptr_t TcpStream::connectTo(const addrinfo& address, int waitMs, std::string& error) {
    SOCKET s = ::socket(address.ai_family, address.ai_socktype, address.ai_protocol);
    if (s == INVALID_SOCKET) {
        error = socketError("socket");
        return -1;
    }
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    int failure = 0;
    if (::connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == SOCKET_ERROR) {
        failure = WSAGetLastError();
        if (failure == WSAEWOULDBLOCK) {
            int ready = waitFor(s, true, waitMs);
            int size = sizeof failure;
            failure = 0;
            if (ready == 0)
                failure = WSAETIMEDOUT;
            else if (ready < 0 ||
                     getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&failure), &size) != 0)
                failure = WSAGetLastError();
        }
    }
    if (failure != 0) {
        error = "cannot connect (error " + std::to_string(failure) + ")";
        closesocket(s);
        return -1;
    }
    // Requests and acknowledgements are a few bytes each: they must leave at once.
    BOOL on = TRUE;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    return static_cast<intptr_t>(s);
}

bool TcpStream::socketsReady(std::string& error) {
    // Winsock is started once, on the first connection, and stays up until the program ends.
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started)
        error = "Winsock cannot be started";
    return started;
}

std::string TcpStream::resolveFailure(int code) {
    return "cannot resolve (error " + std::to_string(code) + ")";
}

void TcpStream::shutdownSending() {
    shutdown(static_cast<SOCKET>(socket), SD_SEND);
}

void TcpStream::release() {
    closesocket(static_cast<SOCKET>(socket));
}

int TcpStream::receive(uint8_t* into, size_t capacity, int waitMs, std::string& error) {
    SOCKET s = static_cast<SOCKET>(socket);
    for (;;) {
        int n = ::recv(s, reinterpret_cast<char*>(into), static_cast<int>(capacity), 0);
        if (n > 0)
            return n;
        if (n == 0) {
            error = "the device server closed the connection";
            return -1;
        }
        if (WSAGetLastError() != WSAEWOULDBLOCK) {
            error = socketError("receive");
            return -1;
        }
        if (waitMs <= 0)
            return 0;
        int ready = waitFor(s, false, waitMs);
        if (ready == 0)
            return 0;
        if (ready < 0) {
            error = socketError("select");
            return -1;
        }
        waitMs = 0;
    }
}

bool TcpStream::send(const uint8_t* bytes, size_t n, int waitMs, std::string& error) {
    SOCKET s = static_cast<SOCKET>(socket);
    Deadline deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    size_t done = 0;
    while (done < n) {
        int sent = ::send(s, reinterpret_cast<const char*>(bytes + done), static_cast<int>(n - done), 0);
        if (sent > 0) {
            done += static_cast<size_t>(sent);
            continue;
        }
        if (WSAGetLastError() != WSAEWOULDBLOCK) {
            error = socketError("send");
            return false;
        }
        int left = msUntil(deadline);
        if (left <= 0 || waitFor(s, true, left) <= 0) {
            error = "send: the connection takes nothing";
            return false;
        }
    }
    return true;
}
