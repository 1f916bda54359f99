// scalectl on scales behind ser2net, and on many ports in one run.
#include "tests/support/HostileServer.h"
#include "tests/support/ScalectlProcess.h"
#include "tests/support/Ser2netBridge.h"
#include "tests/support/SimHarness.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <thread>

namespace {

using Args = std::vector<std::string>;

// The scales' records of this test's runs, apart from the data folder's database that other tests
// running at the same time use.
struct RecordsFolder {
    RecordsFolder() {
        char pattern[] = "/tmp/scalectl-records-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("cannot create a temporary folder");
        path = pattern;
    }
    ~RecordsFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

ScalectlOutcome scalectl(const Args& args) {
    static const RecordsFolder records;
    Args withRecords{"--records", records.path + "/records.db"};
    withRecords.insert(withRecords.end(), args.begin(), args.end());
    return runScalectl(SCALECTL_PATH, withRecords);
}

// Several emulated scales, each on its own pseudo-terminal, linked in one temporary folder.
class ScaleRack {
public:
    explicit ScaleRack(size_t count, int baud = 0) {
        char pattern[] = "/tmp/scale-rack-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("cannot create a temporary folder");
        dir = pattern;
        for (size_t i = 0; i < count; ++i) {
            SimOptions options;
            options.linkPath = dir + "/COM" + std::to_string(i + 1);
            options.baud = baud;
            scales.push_back(std::make_unique<ScaleSim>(options));
            if (!scales.back()->start())
                throw std::runtime_error("the emulated scale did not start: " + scales.back()->error());
        }
    }
    ~ScaleRack() {
        scales.clear();
        std::filesystem::remove_all(dir);
    }
    ScaleSim& operator[](size_t i) { return *scales.at(i); }
    std::string devicePort(size_t i) const { return dir + "/COM" + std::to_string(i + 1); }
    std::vector<std::string> devices() const {
        std::vector<std::string> paths;
        for (const auto& scale : scales)
            paths.push_back(scale->slavePath());
        return paths;
    }
    std::string file(const std::string& name) const { return dir + "/" + name; }

private:
    std::string dir;
    std::vector<std::unique_ptr<ScaleSim>> scales;
};

void fillPlus(ScaleSim& scale, int count) {
    scale.withState([count](ScaleState& state) {
        for (int n = 1; n <= count; ++n) {
            PluRecord& plu = state.plus[size_t(n)];
            plu.price = 100 + n;
            plu.code = 7000 + n;
            plu.name = textField<31>("ARTICLE " + std::to_string(n));
        }
    });
}

void emptyPlus(ScaleSim& scale) {
    scale.withState([](ScaleState& state) { state.plus.assign(kMaxPlu + 1, PluRecord{}); });
}

// What a PLU push stores: the writable part of every record (the sales counters stay the scale's).
std::vector<std::vector<uint8_t>> pluMemory(ScaleSim& scale) {
    std::vector<std::vector<uint8_t>> memory;
    scale.withState([&memory](ScaleState& state) {
        for (const PluRecord& plu : state.plus) {
            auto bytes = plu.encode();
            memory.emplace_back(bytes.begin(), bytes.begin() + kPluWritableSize);
        }
    });
    return memory;
}

std::string withoutFirstLine(const std::string& text) {
    size_t end = text.find('\n');
    return end == std::string::npos ? std::string() : text.substr(end + 1);
}

class ScalectlThroughSer2net : public ::testing::TestWithParam<Scheme> {
protected:
    void SetUp() override {
        if (Ser2netBridge::program().empty())
            GTEST_SKIP() << Ser2netBridge::kMissing;
    }
    std::string networkPort(const Ser2netBridge& bridge, size_t i) const {
        return bridge.port(GetParam(), i);
    }
};

TEST_P(ScalectlThroughSer2net, RawPullAndPushAreTheDirectPortsByteForByte) {
    ScaleRack rack(1);
    Ser2netBridge bridge(rack.devices());
    fillPlus(rack[0], 40);
    std::string direct = rack.devicePort(0), network = networkPort(bridge, 0);

    ScalectlOutcome rawDirect = scalectl({"--port", direct, "raw", "04", "00 05 00 36"});
    ScalectlOutcome rawNetwork = scalectl({"--port", network, "raw", "04", "00 05 00 36"});
    ASSERT_EQ(rawDirect.exitCode, 0) << rawDirect.err;
    EXPECT_EQ(rawNetwork.exitCode, 0) << rawNetwork.err << bridge.log();
    EXPECT_EQ(rawNetwork.out, rawDirect.out);

    // The pulled file, apart from its time stamp line.
    ScalectlOutcome pullDirect = scalectl({"--port", direct, "plu", "pull", "--to", "50"});
    ScalectlOutcome pullNetwork = scalectl({"--port", network, "plu", "pull", "--to", "50"});
    ASSERT_EQ(pullDirect.exitCode, 0) << pullDirect.err;
    EXPECT_EQ(pullNetwork.exitCode, 0) << pullNetwork.err;
    EXPECT_EQ(withoutFirstLine(pullNetwork.out), withoutFirstLine(pullDirect.out));
    EXPECT_NE(pullDirect.out.find("ARTICLE 40"), std::string::npos);

    std::string file = rack.file("plu.txt");
    ASSERT_EQ(scalectl({"--port", direct, "plu", "pull", "--to", "50", "-o", file}).exitCode, 0);
    auto expected = pluMemory(rack[0]);
    emptyPlus(rack[0]);
    rack[0].clearLog();
    ASSERT_EQ(scalectl({"--port", direct, "plu", "push", file}).exitCode, 0);
    auto directFrames = rack[0].requestFrames();
    emptyPlus(rack[0]);
    rack[0].clearLog();
    ScalectlOutcome push = scalectl({"--port", network, "plu", "push", file});
    EXPECT_EQ(push.exitCode, 0) << push.err;
    EXPECT_EQ(rack[0].requestFrames(), directFrames);
    EXPECT_EQ(pluMemory(rack[0]), expected);
}

TEST_P(ScalectlThroughSer2net, ServerDroppedMidTransferIsAClearFailure) {
    // Paced, so that the push is surely under way when the server goes.
    ScaleRack rack(1, 19200);
    std::string file = rack.file("plu.txt");
    std::ofstream rows(file, std::ios::binary);
    for (int n = 1; n <= 200; ++n)
        rows << n << "\t1.00\t0\t0\t0\t0\t0\t0\tARTICLE\t0\t\r\n";
    rows.close();

    Ser2netBridge bridge(rack.devices());
    std::atomic<bool> ended{false};
    std::thread watcher([&] {
        while (!ended && rack[0].requestFrames().size() < 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        bridge.drop();
    });
    ScalectlOutcome push = scalectl({"--port", networkPort(bridge, 0), "plu", "push", file});
    ended = true;
    watcher.join();
    EXPECT_EQ(push.exitCode, 1);
    // The failed record with the lost port named once, and the closing command that is still tried
    // after it.
    const std::vector<std::string> lines = push.errLines();
    ASSERT_EQ(lines.size(), 3u) << push.err;
    EXPECT_EQ(lines[0], "Communication Error!");
    EXPECT_EQ(lines[1].rfind(networkPort(bridge, 0) + ": the port was lost (", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "Communication Error!");
    EXPECT_GE(rack[0].requestFrames().size(), 10u);
    EXPECT_LT(rack[0].requestFrames().size(), 100u);
}

INSTANTIATE_TEST_SUITE_P(Ser2net, ScalectlThroughSer2net, ::testing::Values(Scheme::Socket, Scheme::Rfc2217),
                         [](const auto& info) { return std::string(schemeName(info.param)); });

TEST(ManyScales, EightPushedAtOnceThroughSer2netOneFaulty) {
    if (Ser2netBridge::program().empty())
        GTEST_SKIP() << Ser2netBridge::kMissing;
    constexpr size_t kScales = 8, kFaulty = 5;
    ScaleRack rack(kScales);
    fillPlus(rack[0], 120);
    std::string file = rack.file("plu.txt");
    ASSERT_EQ(scalectl({"--port", rack.devicePort(0), "plu", "pull", "-o", file}).exitCode, 0);
    auto expected = pluMemory(rack[0]);
    for (size_t i = 0; i < kScales; ++i)
        emptyPlus(rack[i]);
    rack[kFaulty].injectFault(Fault::Silence, 3);

    Ser2netBridge bridge(rack.devices());
    Args args;
    std::vector<std::string> ports;
    for (size_t i = 0; i < kScales; ++i) {
        ports.push_back(i % 2 ? bridge.rfc2217Port(i) : bridge.socketPort(i));
        args.insert(args.end(), {"--port", ports.back()});
    }
    args.insert(args.end(), {"plu", "push", file});
    ScalectlOutcome run = scalectl(args);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    // One line per port in --port order, the faulty port's own message before its line.
    std::vector<std::string> expectedErr;
    for (size_t i = 0; i < kScales; ++i) {
        if (i == kFaulty)
            expectedErr.push_back("Communication Error!");
        expectedErr.push_back(ports[i] + (i == kFaulty ? ": Communication Error!" : ": ok"));
    }
    EXPECT_EQ(run.errLines(), expectedErr) << run.err;
    for (size_t i = 0; i < kScales; ++i) {
        if (i != kFaulty) {
            EXPECT_EQ(pluMemory(rack[i]), expected) << ports[i];
        }
    }
    // The silent scale stored nothing.
    rack[kFaulty].withState([](ScaleState& state) {
        EXPECT_TRUE(std::none_of(state.plus.begin(), state.plus.end(),
                                 [](const PluRecord& p) { return p.present(); }));
    });
}

TEST(ManyPorts, OutputsInPortOrderFilesPerPortAndUsage) {
    ScaleRack rack(3);
    rack[1].withState([](ScaleState& s) { s.status = 0x04; });
    std::string a = rack.devicePort(0), b = rack.devicePort(1), missing = rack.file("COM9");

    // stdout port after port, each port's messages followed by its line; --jobs 1 runs them in turn.
    ScalectlOutcome raw = scalectl({"--jobs", "1", "--port", b, "--port", missing, "--port", a, "raw", "03"});
    EXPECT_EQ(raw.exitCode, 2);
    ASSERT_EQ(raw.out.size(), 2 * raw.out.find('\n') + 2) << raw.out;
    EXPECT_EQ(raw.out.substr(0, 3), "04 ");
    EXPECT_EQ(raw.out.substr(raw.out.find('\n') + 1, 3), "00 ");
    auto lines = raw.errLines();
    ASSERT_EQ(lines.size(), 5u) << raw.err;
    EXPECT_EQ(lines[0], b + ": ok");
    EXPECT_EQ(lines[1], "Cannot initialize COM port!");
    EXPECT_EQ(lines[3].rfind(missing + ": Cannot initialize COM port! (" + missing, 0), 0u) << lines[3];
    EXPECT_EQ(lines[4], a + ": ok");

    // Each port's trace in one piece: its request, the scale's ACK and frame, the PC's ACK.
    ScalectlOutcome traced = scalectl({"--trace", "--port", a, "--port", b, "raw", "01"});
    auto traceLines = traced.errLines();
    ASSERT_EQ(traceLines.size(), 10u) << traced.err;
    for (size_t first : {0, 5}) {
        EXPECT_NE(traceLines[first].find("request C3 04 00 01 01 C3 02"), std::string::npos) << traced.err;
        EXPECT_NE(traceLines[first + 1].find("scale -> PC  ACK"), std::string::npos) << traced.err;
        EXPECT_NE(traceLines[first + 2].find("scale -> PC  bytes"), std::string::npos) << traced.err;
        EXPECT_NE(traceLines[first + 3].find("PC -> scale  ACK"), std::string::npos) << traced.err;
    }
    EXPECT_EQ(traceLines[4], a + ": ok");
    EXPECT_EQ(traceLines[9], b + ": ok");

    // A file per port, named by the port.
    ScalectlOutcome pull =
        scalectl({"--port", a, "--port", b, "plu", "pull", "--to", "5", "-o", rack.file("{port}.txt")});
    EXPECT_EQ(pull.exitCode, 0) << pull.err;
    auto pulledFrom = [&rack](const std::string& port) {
        std::string safe = port.substr(1);
        for (char& c : safe)
            c = c == '/' ? '-' : c;
        return rack.file(safe + ".txt");
    };
    for (const std::string& port : {a, b})
        EXPECT_TRUE(std::filesystem::exists(pulledFrom(port))) << port;
    // "-o -": each port's file on standard output, port after port, as without -o.
    ScalectlOutcome toOutput = scalectl({"--port", a, "--port", b, "plu", "pull", "--to", "5", "-o", "-"});
    EXPECT_EQ(toOutput.exitCode, 0) << toOutput.err;
    EXPECT_EQ(toOutput.out.rfind("; created: ", 0), 0u) << toOutput.out;
    EXPECT_NE(toOutput.out.find("; created: ", 1), std::string::npos) << toOutput.out;

    // plu diff of B's file on every port: A's lines in A's block; a port that failed outranks one
    // that differs.
    rack[0].withState([](ScaleState& s) { s.plus[3].price += 1; });
    Args diff = {"plu", "diff", pulledFrom(b), "--to", "5"};
    ScalectlOutcome differs =
        scalectl({"--port", a, "--port", b, diff[0], diff[1], diff[2], diff[3], diff[4]});
    EXPECT_EQ(differs.exitCode, 5) << differs.err;
    EXPECT_EQ(differs.out, "differs\t3\tPRICE\t3.30\t3.29\n") << differs.err;
    EXPECT_EQ(differs.errLines().back(), b + ": ok");
    ScalectlOutcome failed =
        scalectl({"--port", a, "--port", missing, diff[0], diff[1], diff[2], diff[3], diff[4]});
    EXPECT_EQ(failed.exitCode, 2) << failed.err;

    rack[0].clearLog();
    for (const Args& refused :
         {Args{"--port", a, "--port", b, "plu", "pull", "-o", rack.file("one.txt")},
          Args{"--port", a, "--port", a, "raw", "01"}, Args{"--jobs", "0", "raw", "01"},
          Args{"--port", "socket://nowhere", "raw", "01"},
          // Both ports' files would be x-p-a.txt.
          Args{"--port", "/x/p/a", "--port", "/x/p-a", "plu", "pull", "-o", rack.file("{port}.txt")}}) {
        ScalectlOutcome run = scalectl(refused);
        EXPECT_EQ(run.exitCode, 64) << refused[3];
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_TRUE(rack[0].requestFrames().empty());
    EXPECT_FALSE(std::filesystem::exists(rack.file("one.txt")));
}

// scalectl against servers that flood or stall: it ends by itself (the server never lets go first)
// with the documented exit code, in bounded memory.
struct HostileRun {
    const char* name;
    const char* scheme;
    HostileServer::Behaviour behaviour;
    int exitCode;
    const char* out;
};

class ScalectlAgainstHostileServers : public ::testing::TestWithParam<HostileRun> {};

TEST_P(ScalectlAgainstHostileServers, EndsByItselfWithTheDocumentedExitCode) {
    const HostileRun& c = GetParam();
    HostileServer server(c.behaviour);
    ScalectlOutcome run = scalectl({"--port", server.url(c.scheme), "raw", "01"});
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(run.out, c.out);
    EXPECT_TRUE(server.clientLeavesWithin(std::chrono::seconds(2)));
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(usage.ru_maxrss, 100 * 1024) << "kB at the peak of a child";
}

void floodZeros(HostileServer::Peer& peer) {
    peer.flood({0});
}

INSTANTIATE_TEST_SUITE_P(
    Loopback, ScalectlAgainstHostileServers,
    ::testing::Values(
        HostileRun{"FloodFromTheStart", "socket", floodZeros, 1, ""},
        HostileRun{"FloodAfterAGoodRfc2217Session", "rfc2217", rfc2217Agreeing(floodZeros), 1, ""},
        HostileRun{"TelnetNopFlood", "rfc2217",
                   [](HostileServer::Peer& peer) {
                       peer.flood({telnet::kIac, telnet::kNop});
                   },
                   2, ""},
        HostileRun{"FloodAfterTheReply", "socket",
                   answeringOnce({0x06, 0xC3, 0x04, 0x00, 0x00, 0x00, 0xC3, 0x02}, floodZeros), 0, "00\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// A good port's result is written while a stuck port after it is still being tried.
TEST(ManyPorts, AGoodPortIsNotHeldBehindAStuckOne) {
    ScaleRack rack(1);
    HostileServer stuck([](HostileServer::Peer& peer) { peer.hold(); });
    std::string good = rack.devicePort(0);
    ScalectlRun run(SCALECTL_PATH, {"--port", good, "--port", stuck.url("socket"), "raw", "01"});
    std::optional<std::string> first = run.nextErrLine(std::chrono::seconds(20));
    EXPECT_EQ(first, good + ": ok");
    EXPECT_FALSE(stuck.clientLeft());
    EXPECT_EQ(run.nextErrLine(std::chrono::seconds(20)), "Communication Error!");
    EXPECT_EQ(run.exitCode(), 1);
    EXPECT_TRUE(stuck.clientLeft());
}

} // namespace
