// scalectl as a process against the emulated scale: output, exit codes and the trace.
#include "tests/support/SimHarness.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

Outcome scalectl(const std::string& args) {
    char errName[] = "/tmp/scalectl-err-XXXXXX";
    int errFd = mkstemp(errName);
    close(errFd);
    std::string command = std::string(SCALECTL_PATH) + " " + args + " 2>" + errName;
    Outcome run{-1, {}, {}};
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        run.out.append(buf.data(), n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* f = std::fopen(errName, "r")) {
        while ((n = fread(buf.data(), 1, buf.size(), f)) > 0)
            run.err.append(buf.data(), n);
        std::fclose(f);
    }
    std::remove(errName);
    return run;
}

class Scalectl : public ::testing::Test {
protected:
    SimHarness scale;
    std::string port() { return "--port " + scale.linkPath() + " "; }
};

TEST_F(Scalectl, RawPrintsTheReplyBodyStatusFirst) {
    scale.sim().withState([](ScaleState& s) { s.status = 0x04; });
    Outcome run = scalectl(port() + "raw 01");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // Status, reply byte 1, then the 33-byte identity field: 35 bytes, no check byte.
    ASSERT_EQ(run.out.size(), 35u * 3);
    EXPECT_EQ(run.out.substr(0, 3), "04 ");
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_TRUE(scale.lastReplyAcknowledged());
}

TEST_F(Scalectl, PayloadAndTraceGoOnTheWireAsGiven) {
    Outcome run = scalectl(port() + "--trace raw 0x04 0001 00 36");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_FALSE(scale.sim().requestFrames().empty());
    EXPECT_EQ(scale.sim().requestBodies().back(), (std::vector<uint8_t>{0x04, 0x00, 0x01, 0x00, 0x36}));
    EXPECT_NE(run.err.find("request C3 04 00 04 00 01 00 36 33 C3 02  read PLU 1\n"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("scale -> PC  ACK     06"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("PC -> scale  ACK     06"), std::string::npos) << run.err;
}

TEST_F(Scalectl, ExitCodesSayWhatWentWrong) {
    scale.sim().injectFault(Fault::Silence, 3);
    Outcome silent = scalectl(port() + "raw 01");
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_EQ(silent.err, "Communication Error!\n");
    EXPECT_TRUE(silent.out.empty());

    Outcome missing = scalectl("--port " + scale.folder() + "/ports/COM7 raw 01");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err.rfind("Cannot initialize COM port!\n", 0), 0u);

    for (const char* bad : {"", "raw", "raw 1FF", "raw 01 0", "raw 01 xyz", "--baud abc raw 01",
                            "--port LPT1 raw 01", "plu pull --from 0", "plu push", "fly"}) {
        Outcome run = scalectl(port() + bad);
        EXPECT_EQ(run.exitCode, 64) << bad;
        EXPECT_EQ(run.err.rfind("usage: scalectl", 0), 0u) << bad;
    }
    // Nothing reached the scale from the refused command lines.
    EXPECT_EQ(scale.sim().requestFrames().size(), 3u);
}

TEST_F(Scalectl, PluFilePulledAndPushedBack) {
    char name[] = "/tmp/scalectl-plu-XXXXXX";
    close(mkstemp(name));
    Outcome pull = scalectl(port() + "plu pull --from 1 --to 30 -o " + name);
    ASSERT_EQ(pull.exitCode, 0) << pull.err;
    EXPECT_TRUE(scale.lastReplyAcknowledged());
    scale.sim().clearLog();
    Outcome push = scalectl(port() + "plu push " + name);
    EXPECT_EQ(push.exitCode, 0) << push.err;
    EXPECT_TRUE(scale.lastReplyAcknowledged());
    auto bodies = scale.sim().requestBodies();
    ASSERT_FALSE(bodies.empty());
    EXPECT_EQ(bodies.back(), std::vector<uint8_t>{0x27});
    EXPECT_EQ(bodies.front()[0], 0x23);
    std::remove(name);
}

// A scale that looks at its line only 300 ms after each reply, when scalectl has ended already:
// every run's last acknowledgement still reaches it.
TEST(ScalectlWithALateScale, EveryRunEndsWithItsLastReplyAcknowledged) {
    SimOptions options;
    options.readDelayMs = 300;
    SimHarness scale(options);
    std::string port = "--port " + scale.linkPath() + " ";
    char name[] = "/tmp/scalectl-plu-XXXXXX";
    close(mkstemp(name));
    const std::string file = name;
    for (const std::string& args :
         {"raw 01" + std::string(), "plu pull --from 1 --to 2 -o " + file, "plu push " + file}) {
        Outcome run = scalectl(port + args);
        EXPECT_EQ(run.exitCode, 0) << args << ": " << run.err;
        EXPECT_TRUE(scale.lastReplyAcknowledged()) << args;
    }
    std::remove(name);
}

// A port with nothing behind it: a pseudo-terminal whose other end nobody serves.
struct EmptyPort {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    EmptyPort() {
        grantpt(master);
        unlockpt(master);
    }
    ~EmptyPort() { close(master); }
    std::string path() const { return ptsname(master); }
};

// Two emulated scales that hear only their own rates, a silent port and a missing one: each scale is
// found at its rate, the missing port is named, and the ports may stand before and after the verb.
TEST(ScalectlFind, EachScaleIsFoundAtItsOwnRate) {
    auto scaleAt = [](int baud) {
        SimOptions options;
        options.baud = baud;
        options.ownBaudOnly = true;
        return options;
    };
    SimHarness slow(scaleAt(4800));
    SimHarness fast(scaleAt(57600));
    fast.sim().withState([](ScaleState& s) { s.identity = std::string("FAST ONE  \0\0", 12); });
    EmptyPort silent;
    const std::string missing = slow.folder() + "/ports/COM5";

    Outcome run = scalectl("--port " + slow.linkPath() + " find --port " + silent.path() + " --port " +
                           fast.linkPath() + " --port " + missing);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              slow.linkPath() + "\t4800\tSCALE SIM 15KG V1.63\n" + fast.linkPath() + "\t57600\tFAST ONE\n");
    EXPECT_EQ(run.err.rfind(missing + ": cannot be opened", 0), 0u) << run.err;
    // One identity request at each rate tried, none after the scale answered.
    EXPECT_EQ(fast.sim().requestFrames().size(), 1u);

    Outcome none = scalectl("find --port " + silent.path() + " --baud 9600 --baud 4800");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.empty());
    for (const char* bad : {"find --baud 0", "find --port LPT1", "find extra"}) {
        Outcome refused = scalectl(bad);
        EXPECT_EQ(refused.exitCode, 64) << bad;
    }
}

} // namespace
