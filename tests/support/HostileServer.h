// A TCP server of the test's own on the loopback, for what a device server such as ser2net cannot be
// made to do on demand: flood, stall, trickle, or hold a connection without a word. It accepts one
// connection and runs a behaviour on it on a thread of its own. Every behaviour is bounded in time:
// it ends when the client closes, when the server's lifetime is over, or when the server is stopped
// (by stop() or by its destructor), whichever comes first.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <vector>

class HostileServer {
public:
    using Bytes = std::vector<uint8_t>;

    // The accepted connection as a behaviour sees it.
    class Peer {
    public:
        // Not stopped, the lifetime not over, and the client still there.
        bool running() const;
        // Sends all bytes; false once the client has gone or the server ends.
        bool send(const Bytes& bytes);
        // What the client sent, waiting up to waitMs for it; empty when nothing came.
        Bytes receive(int waitMs);
        // The same bytes again and again at full speed, never reading, until the end.
        void flood(const Bytes& pattern);
        // One byte every period until the end.
        void trickle(uint8_t byte, std::chrono::milliseconds period);
        // Reads and drops whatever comes, answering nothing, until the end.
        void hold();
        // Reads until the bytes end with marker (or the end); what was read, marker included.
        Bytes receiveUntil(const Bytes& marker);

    private:
        friend class HostileServer;
        Peer(HostileServer& server, int fd) : server(server), fd(fd) {}
        HostileServer& server;
        int fd;
    };
    using Behaviour = std::function<void(Peer&)>;

    explicit HostileServer(Behaviour behaviour, std::chrono::milliseconds lifetime = std::chrono::seconds(20),
                           int family = AF_INET);
    ~HostileServer();
    HostileServer(const HostileServer&) = delete;
    HostileServer& operator=(const HostileServer&) = delete;

    void stop();
    int port() const { return listening; }
    // "SCHEME://127.0.0.1:PORT".
    std::string url(const std::string& scheme) const;
    // True once the client closed the connection before the server ended it: the client gave up by
    // itself rather than being let go.
    bool clientLeft() const { return left; }
    // Waits up to wait for the client to leave; clientLeft() then.
    bool clientLeavesWithin(std::chrono::milliseconds wait) const;

private:
    int fd = -1;
    int listening = 0;
    std::chrono::steady_clock::time_point end;
    std::atomic<bool> stopped{false}, left{false};
    std::thread server;
};

// Telnet, as the behaviours of an RFC 2217 server need it.
namespace telnet {
constexpr uint8_t kIac = 255, kDo = 253, kWill = 251, kSb = 250, kSe = 240, kNop = 241;
constexpr uint8_t kComPort = 44;
} // namespace telnet

// A device server that agrees to COM port control, confirms every COM port command it is sent until
// the line is set up (data size, parity and stop bits as asked, the baud rate as asked), then
// behaves as then does.
HostileServer::Behaviour rfc2217Agreeing(HostileServer::Behaviour then);
// Answers the first request frame with reply (the scale's answer byte and frame), then behaves as
// then does.
HostileServer::Behaviour answeringOnce(HostileServer::Bytes reply, HostileServer::Behaviour then);
