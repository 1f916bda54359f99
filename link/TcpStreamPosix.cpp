// POSIX sockets for TcpStream: a non-blocking socket, poll() for every wait.
#include "link/TcpStream.h"

#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

intptr_t TcpStream::connectTo(const addrinfo& address, int waitMs, std::string& error) {
    int fd =
        ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    int failure = 0;
    if (::connect(fd, address.ai_addr, address.ai_addrlen) != 0) {
        failure = errno;
        if (failure == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int ready = poll(&p, 1, waitMs);
            socklen_t size = sizeof failure;
            if (ready == 0)
                failure = ETIMEDOUT;
            else if (ready < 0 || getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &size) != 0)
                failure = errno;
        }
    }
    if (failure != 0) {
        error = std::strerror(failure);
        ::close(fd);
        return -1;
    }
    // Requests and acknowledgements are a few bytes each: they must leave at once, not wait to be
    // merged with bytes that only come after the reply.
    int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

bool TcpStream::socketsReady(std::string&) {
    return true;
}

std::string TcpStream::resolveFailure(int code) {
    return gai_strerror(code);
}

void TcpStream::shutdownSending() {
    shutdown(static_cast<int>(socket), SHUT_WR);
}

void TcpStream::release() {
    ::close(static_cast<int>(socket));
}

int TcpStream::receive(uint8_t* into, size_t capacity, int waitMs, std::string& error) {
    int fd = static_cast<int>(socket);
    for (;;) {
        ssize_t n = ::recv(fd, into, capacity, 0);
        if (n > 0)
            return static_cast<int>(n);
        if (n == 0) {
            error = "the device server closed the connection";
            return -1;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            error = std::string("receive: ") + std::strerror(errno);
            return -1;
        }
        if (waitMs <= 0)
            return 0;
        pollfd p{fd, POLLIN, 0};
        int ready = poll(&p, 1, waitMs);
        if (ready == 0)
            return 0;
        if (ready < 0 && errno != EINTR) {
            error = std::string("poll: ") + std::strerror(errno);
            return -1;
        }
        // Readable (or closed, or failed): the next recv says which, without waiting again.
        waitMs = 0;
    }
}

bool TcpStream::send(const uint8_t* bytes, size_t n, int waitMs, std::string& error) {
    int fd = static_cast<int>(socket);
    Deadline deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    size_t done = 0;
    while (done < n) {
        // MSG_NOSIGNAL: a connection the server has dropped fails the send instead of killing the
        // program with SIGPIPE.
        ssize_t sent = ::send(fd, bytes + done, n - done, MSG_NOSIGNAL);
        if (sent > 0) {
            done += static_cast<size_t>(sent);
            continue;
        }
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            error = std::string("send: ") + std::strerror(errno);
            return false;
        }
        pollfd p{fd, POLLOUT, 0};
        int left = msUntil(deadline);
        if (left <= 0 || poll(&p, 1, left) <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL))) {
            error = "send: the connection takes nothing";
            return false;
        }
    }
    return true;
}
