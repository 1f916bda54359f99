// scalectl as a process against the emulated scale: output, exit codes and the trace.
#include "tests/support/SimHarness.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
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
    // In the desktop's locale, a comma one unless the run names another (then installed, so the C
    // library follows it as well).
    std::string command =
        "LC_ALL=${LC_ALL:-de_DE.UTF-8} " + std::string(SCALECTL_PATH) + " " + args + " 2>" + errName;
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
    EXPECT_NE(run.err.find("request C3 04 00 04 00 01 00 36 33 C3 02"), std::string::npos) << run.err;
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

// Also run under a real generated comma locale (LC_ALL): prices, tax rates, the rate and Max Tare
// written with a comma go out as the scale's hundredths (thousandths for the tare).
TEST_F(Scalectl, CommaLocaleSendsTheHundredthsOfEveryDecimal) {
    char name[] = "/tmp/scalectl-comma-XXXXXX";
    close(mkstemp(name));
    const std::string file = name;
    if (FILE* f = std::fopen(name, "w")) {
        std::fputs("; created: today\r\n\r\n7\t12,34\t0\t0\t0\t0\t0\t0\tcomma\t0\t\r\n", f);
        std::fclose(f);
    }
    Outcome plu = scalectl(port() + "plu push " + file);
    EXPECT_EQ(plu.exitCode, 0) << plu.err;

    scale.sim().withState([](ScaleState& s) { s.taxes[2] = 1234; });
    Outcome pull = scalectl(port() + "settings pull -o " + file);
    ASSERT_EQ(pull.exitCode, 0) << pull.err;
    scale.sim().withState([](ScaleState& s) { s.taxes[2] = 0; });
    Outcome push = scalectl(port() + "settings push " + file + " --rate 12,34");
    EXPECT_EQ(push.exitCode, 0) << push.err;

    scale.sim().setCalibration(true);
    Outcome tare = scalectl(port() + "calibration send max-tare=12,34");
    EXPECT_EQ(tare.exitCode, 0) << tare.err;
    scale.sim().withState([](ScaleState& s) {
        EXPECT_EQ(s.plus[7].price, 1234);
        EXPECT_EQ(s.taxes[2], 1234);
        EXPECT_EQ(std::vector<uint8_t>(s.settings.begin() + 50, s.settings.begin() + 54),
                  (std::vector<uint8_t>{0, 0, 0x04, 0xD2}));
        EXPECT_EQ(std::vector<uint8_t>(s.systemParameters.begin() + 18, s.systemParameters.begin() + 22),
                  (std::vector<uint8_t>{0x00, 0x00, 0x2E, 0xE0}));
    });
    std::remove(name);
}

// An endless input file is refused at once with the reader's usual message, in little memory, and
// nothing reaches the scale.
struct EndlessFile {
    const char* command;
    int exitCode;
    const char* message;
};

class ScalectlEndlessFile : public Scalectl, public ::testing::WithParamInterface<EndlessFile> {};

TEST_P(ScalectlEndlessFile, IsRefusedBeforeThePortIsTouched) {
    Outcome run = scalectl(port() + GetParam().command + " /dev/zero");
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_EQ(run.err, GetParam().message);
    EXPECT_TRUE(scale.sim().requestFrames().empty());
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(usage.ru_maxrss, 100 * 1024) << "kB at the peak of a child";
}

INSTANTIATE_TEST_SUITE_P(DevZero, ScalectlEndlessFile,
                         ::testing::Values(EndlessFile{"settings push", 4, "I/O Error!\n"},
                                           EndlessFile{"plu push", 3, "error in input file\n"},
                                           EndlessFile{"logo send", 3, "Bitmap image is not valid\n"}),
                         [](const auto& info) {
                             std::string name = info.param.command;
                             name.erase(name.find(' '), 1);
                             return name;
                         });

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

} // namespace
