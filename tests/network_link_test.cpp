// The network ports against Debian's ser2net in front of the emulated scale's pseudo-terminal, and
// against small servers of the test's own where ser2net cannot misbehave on demand.
#include "link/Command.h"
#include "link/FrameLink.h"
#include "link/NetworkPort.h"
#include "tests/support/HostileServer.h"
#include "tests/support/Ser2netBridge.h"
#include "tests/support/SimHarness.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

namespace {

constexpr int32_t kBaud = 19200;

// The reply of one command as the link stored it (status byte first, check byte last).
std::vector<uint8_t> exchange(FrameLink& link, uint8_t code, const std::vector<uint8_t>& payload) {
    link.clear();
    for (uint8_t b : payload)
        link.putByte(b);
    link.transact(code);
    if (link.exchangeFailed)
        return {};
    return {link.replyBuffer, link.replyBuffer + link.replyCount};
}

// The slave side's line settings, as the device server left them.
termios2 lineOf(const std::string& device) {
    termios2 tio{};
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(ioctl(fd, TCGETS2, &tio), 0);
    ::close(fd);
    return tio;
}

class NetworkPortTest : public ::testing::TestWithParam<Scheme> {
protected:
    SimHarness scale;
    std::unique_ptr<Ser2netBridge> bridge;
    FrameLink link;

    void SetUp() override {
        if (Ser2netBridge::program().empty())
            GTEST_SKIP() << Ser2netBridge::kMissing;
        bridge = std::make_unique<Ser2netBridge>(std::vector<std::string>{scale.sim().slavePath()});
    }
    std::string port() const { return bridge->port(GetParam(), 0); }
    // The last acknowledgement may still be on its way to the scale when the link has closed.
    int acksOnceArrived(int expected) {
        for (int i = 0; i < 200 && scale.sim().acksReceived() < expected; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return scale.sim().acksReceived();
    }
    void openNetwork() {
        ASSERT_TRUE(link.openDevice(port(), kBaud)) << link.port.lastError() << bridge->log();
    }
};

TEST_P(NetworkPortTest, RequestsAndRepliesAreTheDirectPortsByteForByte) {
    // A PLU whose reply carries FF (Telnet's IAC) and C3 (the frame's escape) in its price and name.
    scale.sim().withState([](ScaleState& state) {
        PluRecord& plu = state.plus[5];
        plu.price = 0x00FFC3FF;
        plu.code = -1;
        plu.name = textField<31>("\xFF\xFF\xC3 NAME \xFF");
    });
    const std::vector<std::pair<uint8_t, std::vector<uint8_t>>> requests = {
        {0x01, {}}, {0x04, {0x00, 0x05, 0x00, 0x36}}, {0x40, {0xFF}}, {0x04, {0x00, 0xFF, 0x00, 0x36}}};

    std::vector<std::vector<uint8_t>> direct, network;
    ASSERT_TRUE(link.open(1, kBaud));
    for (const auto& [code, payload] : requests)
        direct.push_back(exchange(link, code, payload));
    link.close();
    ASSERT_EQ(acksOnceArrived(int(requests.size())), int(requests.size()));
    auto directFrames = scale.sim().requestFrames();
    scale.sim().clearLog();

    openNetwork();
    for (const auto& [code, payload] : requests)
        network.push_back(exchange(link, code, payload));
    link.close();

    EXPECT_FALSE(direct[1].empty());
    EXPECT_EQ(network, direct);
    EXPECT_EQ(scale.sim().requestFrames(), directFrames);
    EXPECT_EQ(acksOnceArrived(int(requests.size())), int(requests.size()));
}

TEST_P(NetworkPortTest, OnlyRfc2217SetsTheDeviceServersLine) {
    openNetwork();
    ASSERT_FALSE(exchange(link, 0x01, {}).empty());
    termios2 line = lineOf(scale.sim().slavePath());
    if (GetParam() == Scheme::Rfc2217) {
        EXPECT_EQ(line.c_ospeed, speed_t(kBaud));
        EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
        EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    } else {
        // A raw stream carries no settings: the line keeps the server's configured 9600 baud.
        EXPECT_EQ(line.c_ospeed, speed_t(9600));
    }
}

TEST_P(NetworkPortTest, DroppedConnectionFailsTheNextExchangeWithoutWaiting) {
    openNetwork();
    ASSERT_FALSE(exchange(link, 0x01, {}).empty());
    bridge->drop();
    EXPECT_TRUE(exchange(link, 0x01, {}).empty());
    EXPECT_TRUE(link.exchangeFailed);
    EXPECT_FALSE(link.port.lastError().empty());
    // The sticky failure: the next read returns at once.
    EXPECT_EQ(link.port.readByte(), 0);
    EXPECT_TRUE(link.port.readFailed);
    // The port is still open as far as its owner knows; closing it is the owner's business.
    EXPECT_TRUE(link.port.isOpen);
}

INSTANTIATE_TEST_SUITE_P(Ser2net, NetworkPortTest, ::testing::Values(Scheme::Socket, Scheme::Rfc2217),
                         [](const auto& info) { return std::string(schemeName(info.param)); });

TEST(NetworkPortName, SplitsHostAndPort) {
    struct Case {
        const char* name;
        bool valid;
        const char* host;
        const char* service;
    };
    for (const Case& c :
         std::vector<Case>{{"socket://10.0.0.5:4001", true, "10.0.0.5", "4001"},
                           {"rfc2217://scale-3.shop.lan:2217", true, "scale-3.shop.lan", "2217"},
                           {"socket://[::1]:4001", true, "::1", "4001"},
                           {"socket://[fe80::1%eth0]:7", true, "fe80::1%eth0", "7"},
                           {"socket://host", false, "", ""},
                           {"socket://host:", false, "", ""},
                           {"socket://:4001", false, "", ""},
                           {"socket://host:40a1", false, "", ""},
                           {"socket://[::1]4001", false, "", ""},
                           {"socket://::1:4001", true, "::1", "4001"},
                           {"/dev/ttyUSB0", false, "", ""}}) {
        std::string host, service;
        ASSERT_EQ(splitNetworkAddress(c.name, host, service), c.valid) << c.name;
        if (c.valid) {
            EXPECT_EQ(host, c.host) << c.name;
            EXPECT_EQ(service, c.service) << c.name;
        }
    }
    EXPECT_TRUE(isPortPath("socket://h:1"));
    EXPECT_TRUE(isPortPath("rfc2217://h:1"));
    EXPECT_TRUE(isPortPath("/dev/ttyS0"));
    EXPECT_FALSE(isPortPath("COM3"));
    EXPECT_FALSE(isPortPath("tcp://h:1"));
}

void holdOpen(HostileServer::Peer& peer) {
    peer.hold();
}

TEST(NetworkPortConnect, ResolvesNamesAndIPv6AndFailsCleanlyWhenRefused) {
    {
        HostileServer v6(holdOpen, std::chrono::seconds(20), AF_INET6);
        SerialPort port;
        port.timeoutTicks = 20;
        EXPECT_TRUE(port.openDevice("socket://[::1]:" + std::to_string(v6.port()), 9600)) << port.lastError();
        port.closePort();
    }
    {
        // "localhost" may resolve to ::1 first, where nothing listens: the next address is tried.
        HostileServer v4(holdOpen);
        SerialPort port;
        EXPECT_TRUE(port.openDevice("socket://localhost:" + std::to_string(v4.port()), 9600))
            << port.lastError();
        port.closePort();
    }
    int unused = HostileServer(holdOpen).port();
    SerialPort port;
    EXPECT_FALSE(port.openDevice("socket://127.0.0.1:" + std::to_string(unused), 9600));
    EXPECT_FALSE(port.isOpen);
    EXPECT_NE(port.lastError().find("refused"), std::string::npos) << port.lastError();
    EXPECT_EQ(port.readByte(), 0);
    EXPECT_TRUE(port.readFailed);
}

TEST(NetworkPortConnect, Rfc2217ServerThatRefusesComPortControlFailsTheOpen) {
    HostileServer refusing([](HostileServer::Peer& peer) {
        // IAC DONT COM-PORT-OPTION
        if (!peer.receive(1000).empty() && peer.send({255, 254, 44}))
            peer.hold();
    });
    SerialPort port;
    port.timeoutTicks = 20;
    EXPECT_FALSE(port.openDevice(refusing.url("rfc2217"), 9600));
    EXPECT_NE(port.lastError().find("refuses"), std::string::npos) << port.lastError();
    port.closePort();
}

TEST(NetworkPortConnect, ServersThatDoNotAnswerFailTheOpenAfterTheTimeOut) {
    // A listener whose queue is full: the kernel drops further connection requests, as a device
    // server that is switched off (or behind a dead route) would, and the connect never completes.
    int full = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(bind(full, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(listen(full, 0), 0);
    getsockname(full, reinterpret_cast<sockaddr*>(&address), &size);
    std::vector<int> queued;
    for (int i = 0; i < 3; ++i) {
        queued.push_back(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        connect(queued.back(), reinterpret_cast<sockaddr*>(&address), size);
    }
    SerialPort port;
    EXPECT_FALSE(port.openDevice("socket://127.0.0.1:" + std::to_string(ntohs(address.sin_port)), 9600));
    EXPECT_NE(port.lastError().find("timed out"), std::string::npos) << port.lastError();
    for (int fd : queued)
        ::close(fd);
    ::close(full);

    // Connected, but no Telnet server behind it: the COM port option is never agreed.
    HostileServer silent(holdOpen);
    EXPECT_FALSE(port.openDevice(silent.url("rfc2217"), 9600));
    EXPECT_NE(port.lastError().find("does not answer"), std::string::npos) << port.lastError();
    port.closePort();
}

// Servers that flood, stall or trickle: the link gives up within its own bounds, in time and memory,
// while the server would still go on (the connection is closed by the client, not by the server's
// end), and reports the failure.
struct HostileCase {
    const char* name;
    const char* scheme;
    HostileServer::Behaviour behaviour;
    int32_t baud;
    bool opens;     // the open succeeds
    bool exchanges; // one exchange then succeeds
};

// The scale's answer and a reply frame for address 0: status 00, check 00.
const HostileServer::Bytes kGoodReply{0x06, 0xC3, 0x04, 0x00, 0x00, 0x00, 0xC3, 0x02};

void floodZeros(HostileServer::Peer& peer) {
    peer.flood({0});
}

class HostileServers : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileServers, TheLinkGivesUpWithinItsBoundsWhileTheServerGoesOn) {
    const HostileCase& c = GetParam();
    HostileServer server(c.behaviour);
    {
        FrameLink link;
        ASSERT_EQ(link.openDevice(server.url(c.scheme), c.baud), c.opens) << link.port.lastError();
        if (c.opens)
            EXPECT_EQ(exchange(link, 0x01, {}).empty(), !c.exchanges);
        else
            EXPECT_FALSE(link.port.lastError().empty());
        link.close();
    }
    EXPECT_TRUE(server.clientLeavesWithin(std::chrono::seconds(2)));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss, 100 * 1024) << "kB at the peak";
}

INSTANTIATE_TEST_SUITE_P(
    Loopback, HostileServers,
    ::testing::Values(
        HostileCase{"FloodDuringPurge", "socket", floodZeros, 9600, true, false},
        HostileCase{"FloodAfterAGoodRfc2217Session", "rfc2217", rfc2217Agreeing(floodZeros), 9600, true,
                    false},
        HostileCase{"TelnetNopFlood", "rfc2217",
                    [](HostileServer::Peer& peer) {
                        peer.flood({telnet::kIac, telnet::kNop});
                    },
                    9600, false, false},
        HostileCase{"OptionRequestFloodNeverRead", "rfc2217",
                    [](HostileServer::Peer& peer) {
                        HostileServer::Bytes requests;
                        for (int option = 45; option < 255; ++option)
                            requests.insert(requests.end(), {telnet::kIac, telnet::kDo, uint8_t(option)});
                        peer.flood(requests);
                    },
                    9600, false, false},
        HostileCase{"FloodAfterTheReply", "socket", answeringOnce(kGoodReply, floodZeros), 9600, true, true},
        HostileCase{"TrickleUnderThePerByteLimit", "socket",
                    [](HostileServer::Peer& peer) { peer.trickle(0x00, std::chrono::milliseconds(200)); },
                    115200, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
