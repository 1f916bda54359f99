#include "tests/support/HostileServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace {
// How often a waiting server looks at its stop flag and its lifetime.
constexpr int kSliceMs = 20;
} // namespace

bool HostileServer::Peer::running() const {
    return !server.stopped && !server.left && std::chrono::steady_clock::now() < server.end;
}

bool HostileServer::Peer::send(const Bytes& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        if (!running())
            return false;
        pollfd p{fd, POLLOUT, 0};
        if (poll(&p, 1, kSliceMs) <= 0)
            continue;
        ssize_t sent = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0)
            done += size_t(sent);
        else if (sent < 0 && errno != EAGAIN && errno != EINTR)
            server.left = true;
    }
    return true;
}

HostileServer::Bytes HostileServer::Peer::receive(int waitMs) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (running()) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kSliceMs) > 0) {
            Bytes bytes(4096);
            ssize_t n = ::recv(fd, bytes.data(), bytes.size(), MSG_DONTWAIT);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
                server.left = true;
            bytes.resize(n > 0 ? size_t(n) : 0);
            return bytes;
        }
        if (std::chrono::steady_clock::now() >= until)
            break;
    }
    return {};
}

HostileServer::Bytes HostileServer::Peer::receiveUntil(const Bytes& marker) {
    Bytes got;
    while (running() && !(got.size() >= marker.size() &&
                          std::equal(marker.begin(), marker.end(), got.end() - long(marker.size())))) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kSliceMs) <= 0)
            continue;
        uint8_t b = 0;
        ssize_t n = ::recv(fd, &b, 1, MSG_DONTWAIT);
        if (n == 1)
            got.push_back(b);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            server.left = true;
    }
    return got;
}

void HostileServer::Peer::flood(const Bytes& pattern) {
    Bytes block;
    while (block.size() < 65536)
        block.insert(block.end(), pattern.begin(), pattern.end());
    while (send(block))
        ;
}

void HostileServer::Peer::trickle(uint8_t byte, std::chrono::milliseconds period) {
    // Waiting by receiving: a client that goes is noticed at once.
    while (send({byte}))
        receive(int(period.count()));
}

void HostileServer::Peer::hold() {
    while (running())
        receive(kSliceMs);
}

HostileServer::HostileServer(Behaviour behaviour, std::chrono::milliseconds lifetime, int family)
    : end(std::chrono::steady_clock::now() + lifetime) {
    fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_storage address{};
    socklen_t size;
    if (family == AF_INET6) {
        auto* a = reinterpret_cast<sockaddr_in6*>(&address);
        a->sin6_family = AF_INET6;
        a->sin6_addr = in6addr_loopback;
        size = sizeof *a;
    } else {
        auto* a = reinterpret_cast<sockaddr_in*>(&address);
        a->sin_family = AF_INET;
        a->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        size = sizeof *a;
    }
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd, 4) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot listen");
    }
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    listening = ntohs(family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&address)->sin6_port
                                         : reinterpret_cast<sockaddr_in*>(&address)->sin_port);
    server = std::thread([this, behaviour] {
        while (!stopped && std::chrono::steady_clock::now() < end) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, kSliceMs) <= 0)
                continue;
            int client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            Peer peer(*this, client);
            behaviour(peer);
            ::close(client);
            return;
        }
    });
}

HostileServer::~HostileServer() {
    stop();
    server.join();
    ::close(fd);
}

void HostileServer::stop() {
    stopped = true;
}

bool HostileServer::clientLeavesWithin(std::chrono::milliseconds wait) const {
    auto until = std::chrono::steady_clock::now() + wait;
    while (!left && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
    return left;
}

std::string HostileServer::url(const std::string& scheme) const {
    return scheme + "://127.0.0.1:" + std::to_string(listening);
}

HostileServer::Behaviour rfc2217Agreeing(HostileServer::Behaviour then) {
    using namespace telnet;
    return [then](HostileServer::Peer& peer) {
        // The line's five settings: baud rate, data size, parity, stop size, flow control.
        constexpr int kSettings = 5;
        const HostileServer::Bytes opening{kIac, kSb, kComPort};
        if (!peer.send({kIac, kDo, kComPort}))
            return;
        for (int confirmed = 0; confirmed < kSettings && peer.running();) {
            HostileServer::Bytes got = peer.receiveUntil({kIac, kSe});
            auto at = std::search(got.begin(), got.end(), opening.begin(), opening.end());
            if (got.end() - at < 4)
                continue;
            HostileServer::Bytes answer(at, got.end());
            answer[3] = uint8_t(answer[3] + 100);
            peer.send(answer);
            ++confirmed;
        }
        then(peer);
    };
}

HostileServer::Behaviour answeringOnce(HostileServer::Bytes reply, HostileServer::Behaviour then) {
    return [reply, then](HostileServer::Peer& peer) {
        peer.receiveUntil({0xC3, 0x02});
        if (peer.send(reply))
            then(peer);
    };
}
