// The Win32 serial backend against the emulated scale through COM1. tools/wine-test.sh starts
// scale-sim for each case with the behaviour the case needs (noted above it), maps COM1 to the
// scale's pseudo-terminal, picks the case with --gtest_filter and names the scale's acknowledgement
// log (scale-sim --ack-log) in SCALE_ACK_LOG.
#include "link/FrameLink.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr uint8_t kPort = 1;
constexpr int32_t kBaud = 9600;

// The scale's acknowledgement log once it holds `count` lines, or what it holds after 3 s: the scale
// writes a line when the PC has answered a reply, which may come after the PC has closed the port.
std::vector<std::string> ackLog(size_t count) {
    const char* path = std::getenv("SCALE_ACK_LOG");
    std::vector<std::string> lines;
    if (!path)
        return lines;
    auto deadline = std::chrono::steady_clock::now() + 3s;
    for (;;) {
        lines.clear();
        std::ifstream log(path);
        for (std::string line; std::getline(log, line);)
            lines.push_back(line);
        if (lines.size() >= count || std::chrono::steady_clock::now() >= deadline)
            return lines;
        std::this_thread::sleep_for(20ms);
    }
}

class ComPort : public ::testing::Test {
protected:
    FrameLink link;
    void SetUp() override { ASSERT_TRUE(link.open(kPort, kBaud)) << link.port.lastError(); }
    void TearDown() override { link.close(); }

    std::string identify() {
        link.clear();
        link.transact(0x01);
        link.cursor = 2;
        return link.exchangeFailed ? std::string() : link.getText(32);
    }
};

// A plain scale.
TEST_F(ComPort, Identity) {
    EXPECT_EQ(identify(), "SCALE SIM 15KG V1.63");
    link.close();
    EXPECT_EQ(ackLog(1), std::vector<std::string>{"01 acknowledged"});
}

// A plain scale: a PLU written with 0x23 and the upload closed with 0x27 reads back with 0x04.
TEST_F(ComPort, PluWrittenAndReadBack) {
    link.clear();
    link.putWord(1234);
    link.putByte(0);
    link.putLong(4599);     // price
    link.putLong(20012345); // code
    link.putByte(7);        // department
    link.putByte(2);        // tax group
    link.putByte(1);        // flags
    link.putText("\xC3"
                 "ESKY CHL\xC9"
                 "B",
                 30);
    link.putWord(12); // valid date
    link.putByte(0);
    link.transact(0x23);
    ASSERT_FALSE(link.exchangeFailed);
    link.clear();
    link.transact(0x27);
    ASSERT_FALSE(link.exchangeFailed);

    link.clear();
    link.putWord(1234);
    link.putByte(0);
    link.putByte(54);
    link.transact(0x04);
    ASSERT_FALSE(link.exchangeFailed);
    EXPECT_EQ(link.replyCount, 2u + 54u + 1u);
    link.cursor = 2;
    EXPECT_EQ(link.getLong(), 4599);
    EXPECT_EQ(link.getLong(), 20012345);
    EXPECT_EQ(link.getByte(), 7);
    EXPECT_EQ(link.getByte(), 2);
    EXPECT_EQ(link.getByte(), 1);
    EXPECT_EQ(link.getText(30), "\xC3"
                                "ESKY CHL\xC9"
                                "B");
    EXPECT_EQ(link.getWord(), 12);
    link.close();
    EXPECT_EQ(ackLog(3).back(), "04 acknowledged");
}

// scale-sim --fault nak --fault badcheck --fault garbage: the first request is refused, its repeat
// answered with a wrong check and then the right reply; the next reply comes after junk.
TEST_F(ComPort, FaultsAreRiddenOut) {
    EXPECT_EQ(identify(), "SCALE SIM 15KG V1.63");
    EXPECT_EQ(identify(), "SCALE SIM 15KG V1.63");
    link.close();
    EXPECT_EQ(ackLog(2), (std::vector<std::string>{"01 acknowledged", "01 acknowledged"}));
}

// scale-sim --fault silence:3: three attempts go unanswered, then the scale speaks again.
TEST_F(ComPort, SilentScaleFailsAndTheNextExchangeWorks) {
    EXPECT_EQ(identify(), "");
    EXPECT_TRUE(link.exchangeFailed);
    EXPECT_EQ(identify(), "SCALE SIM 15KG V1.63");
}

// scale-sim --read-delay 300: the scale looks at its line only 300 ms after each reply, when the
// PC has closed the port already; the acknowledgement of the last reply must still be there.
TEST_F(ComPort, LateScaleFindsTheLastAcknowledgement) {
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(link.open(kPort, kBaud));
        EXPECT_EQ(identify(), "SCALE SIM 15KG V1.63");
        link.close();
        EXPECT_EQ(ackLog(round + 1).size(), static_cast<size_t>(round + 1)) << "round " << round;
    }
    EXPECT_EQ(ackLog(3), (std::vector<std::string>(3, "01 acknowledged")));
}

} // namespace
