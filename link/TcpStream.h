// A TCP connection to a device server, as the network ports use it: connect within a time-out to the
// first address of the host that answers (IPv4 or IPv6, through getaddrinfo), receive with a wait,
// send everything. The socket calls of each platform live in a source file of their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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
    // Sends all n bytes, waiting up to waitMs whenever the connection takes nothing; false when it has
    // gone or stays stalled.
    bool send(const uint8_t* bytes, size_t n, int waitMs, std::string& error);

private:
    // How long closing waits for the server to end its side.
    static constexpr int kCloseMs = 500;
    void close();

    // A POSIX descriptor or a Winsock SOCKET; -1 when there is none.
    intptr_t socket = -1;
};
