// The scale-sim program as the demo and other tools run it: readiness line, the link, signals,
// the state file across runs, options and bad arguments.
#include "link/FrameLink.h"
#include "sim/LineBaud.h"
#include "tests/support/PtyPeer.h"
#include "tests/support/SimHarness.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace std::chrono_literals;

namespace {

// One run of the program with its stdout and stderr on pipes.
class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& args) {
        int out[2], err[2];
        if (pipe(out) != 0 || pipe(err) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        std::vector<std::string> all{SCALE_SIM_PROGRAM};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid, SCALE_SIM_PROGRAM, &actions, nullptr, argv.data(), environ) != 0)
            throw std::runtime_error("cannot start scale-sim");
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        close(err[1]);
        stdoutFd = out[0];
        stderrFd = err[0];
    }
    ~SimProcess() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        close(stdoutFd);
        close(stderrFd);
    }

    // What the program wrote to fd before it went quiet for `wait` or closed it.
    static std::string readFrom(int fd, int waitMs) {
        std::string text;
        char buffer[256];
        pollfd p{fd, POLLIN, 0};
        while (poll(&p, 1, waitMs) > 0) {
            ssize_t n = read(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            text.append(buffer, static_cast<size_t>(n));
            if (text.back() == '\n')
                break;
        }
        return text;
    }
    std::string readLine(int waitMs = 5000) { return readFrom(stdoutFd, waitMs); }
    std::string errors(int waitMs = 2000) { return readFrom(stderrFd, waitMs); }

    int terminate(int signal = SIGTERM) {
        kill(pid, signal);
        return waitForExit();
    }
    int waitForExit() {
        int status = 0;
        waitpid(pid, &status, 0);
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid = -1;
    int stdoutFd = -1;
    int stderrFd = -1;
};

class ScaleSimProgram : public ::testing::Test {
protected:
    std::string folder;
    std::string link;
    std::string stateFile;

    void SetUp() override {
        char pattern[] = "/tmp/scale-prog-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        folder = pattern;
        link = folder + "/ports/COM1";
        stateFile = folder + "/scale.mem";
        setPortLinkFolder(folder);
    }
    void TearDown() override {
        theLink.close();
        std::filesystem::remove_all(folder);
    }

    void readPlu(uint16_t number) {
        theLink.clear();
        theLink.putWord(number);
        theLink.putByte(0);
        theLink.putByte(54);
        theLink.transact(0x04);
        ASSERT_FALSE(theLink.exchangeFailed);
    }
};

TEST_F(ScaleSimProgram, ServesUntilSigtermAndKeepsItsStateAcrossRuns) {
    {
        SimProcess sim({"--link", link, "--state", stateFile});
        EXPECT_EQ(sim.readLine(), "scale-sim: ready on " + link + "\n");
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        ASSERT_TRUE(theLink.open(1, 9600));
        theLink.clear();
        theLink.putWord(777);
        theLink.putByte(0);
        theLink.putLong(4321);
        theLink.putLong(99);
        for (int i = 0; i < 3; ++i)
            theLink.putByte(1);
        theLink.putText("KEPT", 30);
        theLink.putWord(3);
        theLink.putByte(0);
        theLink.transact(0x23);
        ASSERT_FALSE(theLink.exchangeFailed);
        theLink.close();
        EXPECT_EQ(sim.terminate(SIGTERM), 0);
        EXPECT_FALSE(std::filesystem::exists(link)) << "the link goes with the program";
        EXPECT_TRUE(std::filesystem::exists(stateFile));
    }
    {
        SimProcess sim({"--link", link, "--state", stateFile, "--calibration", "--fault", "nak:1",
                        "--password", "4711"});
        ASSERT_EQ(sim.readLine(), "scale-sim: ready on " + link + "\n");
        {
            RawLine line(link);
            line.write(hexBytes("C3 04 00 01 01 C3 02"));
            EXPECT_EQ(toHex(line.drain()), "15") << "--fault nak";
        }
        ASSERT_TRUE(theLink.open(1, 9600));
        readPlu(777);
        EXPECT_EQ(theLink.getByte(), kCalibrationStatusBit) << "--calibration";
        theLink.getByte();
        EXPECT_EQ(theLink.getLong(), 4321);
        EXPECT_EQ(theLink.getLong(), 99);
        theLink.cursor = 2 + 11;
        EXPECT_EQ(theLink.getText(30), "KEPT");
        for (uint32_t password : {0u, 4711u}) {
            theLink.clear();
            theLink.putLong(password);
            theLink.transact(0x44);
            theLink.getByte();
            EXPECT_EQ(theLink.getByte() == 0, password == 4711) << "--password: Z close with " << password;
        }
        theLink.close();
        EXPECT_EQ(sim.terminate(SIGINT), 0);
        EXPECT_FALSE(std::filesystem::exists(link));
    }
}

TEST_F(ScaleSimProgram, ReplacesAStaleLinkAndIgnoresADamagedStateFile) {
    std::filesystem::create_directories(folder + "/ports");
    std::filesystem::create_symlink("/dev/pts/nonexistent", link);
    std::ofstream(stateFile) << "not a scale memory";
    SimProcess sim({"--link", link, "--state", stateFile});
    EXPECT_EQ(sim.readLine(), "scale-sim: ready on " + link + "\n");
    EXPECT_NE(sim.errors(500).find("ignoring the state file"), std::string::npos);
    ASSERT_TRUE(theLink.open(1, 9600));
    readPlu(1);
    theLink.cursor = 2;
    EXPECT_GT(theLink.getLong(), 0) << "the default memory";
    theLink.close();
    EXPECT_EQ(sim.terminate(), 0);
}

TEST_F(ScaleSimProgram, VanishEndsTheProgram) {
    SimProcess sim({"--link", link, "--fault", "vanish"});
    ASSERT_EQ(sim.readLine(), "scale-sim: ready on " + link + "\n");
    RawLine line(link);
    line.write(hexBytes("C3 04 00 01 01 C3 02"));
    line.drain(1000ms);
    EXPECT_FALSE(line.alive());
    EXPECT_EQ(sim.waitForExit(), 0);
    EXPECT_FALSE(std::filesystem::exists(link));
}

// On a serial device it is given (--port; here the slave of the test's own pseudo-terminal) it sets
// the line to --baud and answers as on a link of its own; the vanish fault closes the device and ends
// the program; a file that is no serial device is refused.
TEST_F(ScaleSimProgram, ServesAGivenPortAsItsOwnLink) {
    const std::vector<uint8_t> identity = hexBytes("C3 04 00 01 01 C3 02");
    std::vector<uint8_t> onLink;
    {
        SimProcess sim({"--link", link});
        ASSERT_EQ(sim.readLine(), "scale-sim: ready on " + link + "\n");
        RawLine line(link);
        line.write(identity);
        onLink = line.drain();
        EXPECT_EQ(sim.terminate(SIGINT), 0);
    }
    ASSERT_GT(onLink.size(), identity.size());
    for (bool vanish : {false, true}) {
        PtyPeer peer;
        std::vector<std::string> args{"--port", peer.slavePath(), "--baud", "14400"};
        if (vanish)
            args.insert(args.end(), {"--fault", "vanish"});
        SimProcess sim(args);
        ASSERT_EQ(sim.readLine(), "scale-sim: ready on " + peer.slavePath() + "\n");
        EXPECT_EQ(lineBaud(peer.masterFd()), 14400) << "--baud sets the port";
        peer.write(identity);
        std::vector<uint8_t> reply = peer.readExactly(vanish ? 1 + (onLink.size() - 1) / 2 : onLink.size());
        EXPECT_EQ(toHex(reply), toHex({onLink.begin(), onLink.begin() + long(reply.size())})) << vanish;
        EXPECT_EQ(vanish ? sim.waitForExit() : sim.terminate(SIGINT), 0) << vanish;
    }
    SimProcess notAPort({"--port", "/dev/null"});
    EXPECT_NE(notAPort.errors().find("/dev/null is no serial port"), std::string::npos);
    EXPECT_EQ(notAPort.waitForExit(), 1);
}

TEST_F(ScaleSimProgram, BadArgumentsGiveUsageAndExit64) {
    for (std::vector<std::string> args : {std::vector<std::string>{},
                                          {"--link"},
                                          {"--link", link, "--baud", "fast"},
                                          {"--link", link, "--fault", "smoke"},
                                          {"--link", link, "--fault", "nak:0"},
                                          {"--link", link, "--gap", "-5"},
                                          {"--link", link, "--password", "100000"},
                                          {"--link", link, "--port", "/dev/null"},
                                          {"--port"},
                                          {"--link", link, "--bogus"}}) {
        SimProcess sim(args);
        EXPECT_NE(sim.errors().find("usage: scale-sim --link PATH"), std::string::npos);
        EXPECT_EQ(sim.waitForExit(), 64);
        EXPECT_FALSE(std::filesystem::exists(link));
    }
}

} // namespace
