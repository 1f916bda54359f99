// Debian's ser2net, started for a test as the device server in front of emulated scales: for each
// device given it listens on 127.0.0.1 twice, on a free port in raw mode (socket://) and on another
// in Telnet RFC 2217 mode (rfc2217://). Its configuration and log live in a temporary folder. It is
// stopped by its own process id when the bridge ends, or at once by drop() to cut every connection as
// a device server that loses power would.
//
//     if (Ser2netBridge::program().empty()) GTEST_SKIP() << Ser2netBridge::kMissing;
//     Ser2netBridge bridge({scale.sim().slavePath()});
//     theLink.openDevice(bridge.socketPort(0), 9600);
#pragma once

#include <ostream>
#include <string>
#include <sys/types.h>
#include <vector>

// The two ways the bridge serves every device; a test that holds for both runs once for each.
enum class Scheme { Socket, Rfc2217 };

// "socket" or "rfc2217": a parameterised test is named, and prints GetParam(), by it.
inline const char* schemeName(Scheme scheme) {
    return scheme == Scheme::Socket ? "socket" : "rfc2217";
}
inline void PrintTo(Scheme scheme, std::ostream* out) {
    *out << schemeName(scheme);
}

class Ser2netBridge {
public:
    static constexpr const char* kMissing = "ser2net is not installed (tools/setup.sh installs it)";
    // The ser2net program, or empty when it is not installed.
    static std::string program();

    // Starts ser2net and waits until it listens on every port. Throws when it does not.
    explicit Ser2netBridge(const std::vector<std::string>& devices);
    ~Ser2netBridge();
    Ser2netBridge(const Ser2netBridge&) = delete;
    Ser2netBridge& operator=(const Ser2netBridge&) = delete;

    std::string socketPort(size_t device) const;
    std::string rfc2217Port(size_t device) const;
    std::string port(Scheme scheme, size_t device) const {
        return scheme == Scheme::Socket ? socketPort(device) : rfc2217Port(device);
    }
    // Kills the server: every connection drops at once, nothing is answered any more.
    void drop();
    // ser2net's own output, for a failure message.
    std::string log() const;

private:
    std::string dir;
    std::vector<int> rawPorts, telnetPorts;
    pid_t pid = -1;
};
