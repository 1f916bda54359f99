// scalectl's key and display commands, and the display poll, on a link opened on the emulated scale
// over a pty.
#include "cli/TerminalCommands.h"
#include "link/FrameLink.h"
#include "terminal/Display.h"
#include "terminal/Keypad.h"
#include "tests/support/SimPortRun.h"

#include <gtest/gtest.h>

namespace {

// scalectl key, run on a link opened on the emulated scale.
class KeyCommand : public ::testing::Test, public SimPortRun {
protected:
    int key(const std::vector<std::string>& args) { return runParsed(parseKey(args), run); }
    ScaleSim& sim() { return scale.sim(); }
};

TEST_F(KeyCommand, SendsEveryCaptionAndWrittenCodeInOrder) {
    std::vector<std::string> args;
    std::vector<std::vector<uint8_t>> expected;
    for (const KeypadKey& k : kKeypad) {
        args.emplace_back(k.caption);
        expected.push_back({0x40, k.code});
    }
    args.insert(args.end(), {"0x00", "0xfF", "0x5A"});
    expected.insert(expected.end(), {{0x40, 0x00}, {0x40, 0xFF}, {0x40, 0x5A}});
    EXPECT_EQ(key(args), kExitOk) << err.str();
    EXPECT_EQ(sim().requestBodies(), expected);
    EXPECT_EQ(out.str(), "");
}

TEST_F(KeyCommand, RefusesUnknownKeysBeforeSendingAnything) {
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{{},
                                                                                     {"7", "SHIFT"},
                                                                                     {"0x5"},
                                                                                     {"0x123"},
                                                                                     {"0X5A"},
                                                                                     {"0xg1"},
                                                                                     {"0x-1"},
                                                                                     {"0x\t1"},
                                                                                     {"0x\n1"},
                                                                                     {"5A"},
                                                                                     {"--port"}})
        EXPECT_EQ(key(bad), kExitUsage) << (bad.empty() ? "" : bad.back());
    EXPECT_TRUE(sim().requestFrames().empty());
}

TEST_F(KeyCommand, StopsAtTheFirstFailedExchange) {
    sim().injectFault(Fault::Silence, 3);
    EXPECT_EQ(key({"1", "2"}), kExitCommunication);
    EXPECT_EQ(err.str(), "Communication Error!\n");
    // The three attempts of the first key, and nothing of the second.
    EXPECT_EQ(sim().requestBodies(), (std::vector<std::vector<uint8_t>>(3, {0x40, 0x31})));
}

// The poll and scalectl display on a link opened on the emulated scale.
class DisplayPoll : public ::testing::Test, public SimPortRun {
protected:
    void SetUp() override {
        // 750 g on the platter at 12.50 a kilogram, shift on.
        scale.sim().withState([](ScaleState& state) {
            state.terminal.unitPrice = 1250;
            state.terminal.shift = true;
        });
    }
};

TEST_F(DisplayPoll, ReadsTheScalesDisplays) {
    std::optional<DisplayState> state = pollDisplay(link);
    ASSERT_TRUE(state);
    EXPECT_EQ(state->lines, (std::array<std::string, 3>{"   0750", "   1250", "    938"}));
    EXPECT_EQ(state->decimals, (std::array<uint8_t, 3>{3, 2, 2}));
    EXPECT_EQ(indicatorNames(*state), QStringLiteral("SHIFT STAB"));
    EXPECT_EQ(scale.sim().requestBodies(), std::vector<std::vector<uint8_t>>{{0x42}});
}

TEST_F(DisplayPoll, CommandPrintsTheLinesAndIndicators) {
    EXPECT_EQ(runParsed(parseDisplay({}), run), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "   0.750\n   12.50\n    9.38\nSHIFT STAB\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(runParsed(parseDisplay({"extra"}), run), kExitUsage);
}

TEST_F(DisplayPoll, FailedPollPrintsNothing) {
    scale.sim().injectFault(Fault::Silence, 3);
    EXPECT_FALSE(pollDisplay(link));
    scale.sim().injectFault(Fault::Silence, 3);
    EXPECT_EQ(runParsed(parseDisplay({}), run), kExitCommunication);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "Communication Error!\n");
}

} // namespace
