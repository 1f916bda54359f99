// A TCP connection to a device server, as the network ports use it: connect within a time-out to the
// first address of the host that answers (IPv4 or IPv6, through getaddrinfo), receive with a wait,
// send everything. The socket calls of each platform live in a source file of their own.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

struct addrinfo;

class TcpStream {
public:
    TcpStream() = default;
    ~TcpStream();
    TcpStream(const TcpStream&) = delete;
    TcpStream& operator=(const TcpStream&) = delete;

    // False with the reason in error when no address of host answers on service within timeoutMs.
    bool connect(const std::string& host, const std::string& service, int timeoutMs, std::string& error);
    // What has arrived, waiting up to waitMs for it: the count, 0 when nothing came, -1 when the
    // connection has gone (error says why).
    int receive(uint8_t* into, size_t capacity, int waitMs, std::string& error);
    // Sends all n bytes within waitMs; false when the connection has gone, or has not taken them all
    // by then (a server that stops reading, or reads a byte at a time).
    bool send(const uint8_t* bytes, size_t n, int waitMs, std::string& error);

    // Ends the connection at once, without the graceful end: for a session that never started, where
    // nothing sent has to reach the device and a server that keeps sending is not waited for.
    void abandon();

private:
    using Deadline = std::chrono::steady_clock::time_point;
    // What is left of the time until deadline, in whole milliseconds; 0 once it has passed.
    static int msUntil(Deadline deadline);
    // How long closing waits for the server to end its side.
    static constexpr int kCloseMs = 500;
    void close();

    // The platform's part, in TcpStreamPosix.cpp or TcpStreamWin32.cpp: the socket layer ready for
    // use; the text of a name resolution failure; one address connected within waitMs (-1 and the
    // reason in error when not); the sending side shut; the socket released.
    static bool socketsReady(std::string& error);
    static std::string resolveFailure(int code);
    static intptr_t connectTo(const addrinfo& address, int waitMs, std::string& error);
    void shutdownSending();
    void release();

    // A POSIX descriptor or a Winsock SOCKET; -1 when there is none.
    intptr_t socket = -1;
};
