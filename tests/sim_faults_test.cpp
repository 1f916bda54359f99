// Each named fault of the emulated scale as the PC's end of the line sees it, and the pacing.
#include "link/FrameLink.h"
#include "tests/support/PtyPeer.h"
#include "tests/support/SimHarness.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

const std::vector<uint8_t> kIdentityRequest = hexBytes("C3 04 00 01 01 C3 02");
// Command 0x7F is unknown: its reply is the short frame C3 04 00 00 01 01 C3 02.
const std::vector<uint8_t> kShortRequest = hexBytes("C3 04 00 7F 7F C3 02");
const std::string kShortFrame = "C3 04 00 00 01 01 C3 02";

bool endsWith(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& tail) {
    return bytes.size() >= tail.size() &&
           std::equal(tail.begin(), tail.end(), bytes.end() - static_cast<long>(tail.size()));
}

uint8_t xorOfBody(const std::vector<uint8_t>& frame) {
    // Address, unstuffed body and check: everything between the marker and the end.
    uint8_t x = 0;
    for (size_t i = 2; i + 2 < frame.size(); ++i) {
        x ^= frame[i];
        if (frame[i] == 0xC3)
            ++i;
    }
    return x;
}

class ScaleFaults : public ::testing::Test {
protected:
    SimHarness scale;
    RawLine line{scale.linkPath()};

    std::vector<uint8_t> normalReply() {
        line.write(kIdentityRequest);
        auto reply = line.drain();
        line.write({0x06});
        return reply;
    }
};

TEST_F(ScaleFaults, NakAndSilenceSkipTheRequestForTheirCount) {
    auto normal = normalReply();
    scale.sim().injectFault(Fault::Nak, 2);
    scale.sim().injectFault(Fault::Silence);
    line.write(kIdentityRequest);
    EXPECT_EQ(toHex(line.drain()), "15");
    line.write(kIdentityRequest);
    EXPECT_EQ(toHex(line.drain()), "15");
    line.write(kIdentityRequest);
    EXPECT_EQ(toHex(line.drain(300ms)), "");
    line.write(kIdentityRequest);
    EXPECT_EQ(toHex(line.drain()), toHex(normal)) << "the faults are used up";
}

TEST_F(ScaleFaults, NakAndSilenceDoNotCarryOutTheRequest) {
    scale.sim().injectFault(Fault::Nak);
    scale.sim().injectFault(Fault::Silence);
    for (int i = 0; i < 2; ++i) {
        line.write(hexBytes("C3 04 00 40 37 77 C3 02")); // key 7
        line.drain(300ms);
    }
    int32_t price = -1;
    scale.sim().withState([&](ScaleState& s) { price = s.terminal.unitPrice; });
    EXPECT_EQ(price, 0);
}

TEST_F(ScaleFaults, BadCheckThenTheCorrectFrameAfterTheNak) {
    auto normal = normalReply();
    scale.sim().injectFault(Fault::BadCheck);
    line.write(kIdentityRequest);
    auto bad = line.drain();
    ASSERT_EQ(bad.size(), normal.size());
    EXPECT_EQ(bad[0], 0x06);
    std::vector<uint8_t> badFrame(bad.begin() + 1, bad.end());
    EXPECT_NE(xorOfBody(badFrame), 0);
    line.write({0x15});
    std::vector<uint8_t> goodFrame(normal.begin() + 1, normal.end());
    EXPECT_EQ(toHex(line.drain()), toHex(goodFrame));
    EXPECT_EQ(xorOfBody(goodFrame), 0);
}

TEST_F(ScaleFaults, GarbageNoAckAddressRestartShapeTheReply) {
    line.write(kShortRequest);
    ASSERT_EQ(toHex(line.drain()), "06 " + kShortFrame);

    scale.sim().injectFault(Fault::Garbage);
    line.write(kShortRequest);
    auto garbage = line.drain();
    ASSERT_GT(garbage.size(), 9u);
    EXPECT_EQ(garbage[0], 0x06);
    EXPECT_TRUE(endsWith(garbage, hexBytes(kShortFrame)));
    std::vector<uint8_t> junk(garbage.begin() + 1, garbage.end() - 8);
    bool strayStart = false;
    for (size_t i = 0; i + 1 < junk.size(); ++i)
        strayStart |= junk[i] == 0xC3 && junk[i + 1] != 0x04;
    EXPECT_TRUE(strayStart) << "the junk holds a C3 followed by something other than 04: " << toHex(junk);

    scale.sim().injectFault(Fault::NoAck);
    line.write(kShortRequest);
    EXPECT_EQ(toHex(line.drain()), kShortFrame);

    scale.sim().injectFault(Fault::Address);
    line.write(kShortRequest);
    EXPECT_EQ(toHex(line.drain()), "06 C3 04 01 00 01 00 C3 02");

    scale.sim().injectFault(Fault::Restart);
    line.write(kShortRequest);
    auto restarted = line.drain();
    ASSERT_GT(restarted.size(), 12u);
    EXPECT_EQ(toHex({restarted.begin(), restarted.begin() + 4}), "06 C3 04 00");
    EXPECT_TRUE(endsWith(restarted, hexBytes(kShortFrame)));
}

TEST_F(ScaleFaults, OverlongBodyIsCorrectlyChecked) {
    scale.sim().injectFault(Fault::Overlong);
    line.write(kShortRequest);
    auto got = line.drain();
    ASSERT_GT(got.size(), 300u);
    std::vector<uint8_t> frame(got.begin() + 1, got.end());
    EXPECT_EQ(toHex({frame.begin(), frame.begin() + 5}), "C3 04 00 00 01");
    EXPECT_EQ(xorOfBody(frame), 0);
    EXPECT_TRUE(endsWith(frame, {0xC3, 0x02}));
}

TEST_F(ScaleFaults, EndlessStreamStopsWhenThePcSpeaksAgain) {
    scale.sim().injectFault(Fault::Endless);
    line.write(kShortRequest);
    auto stream = line.read(200000, 1000ms);
    ASSERT_EQ(stream.size(), 200000u) << "the stream keeps coming";
    EXPECT_EQ(stream[0], 0x06);
    EXPECT_EQ(std::count(stream.begin(), stream.end(), 0xC3), 0);
    line.write(kShortRequest);
    auto rest = line.drain(300ms);
    EXPECT_TRUE(endsWith(rest, hexBytes("06 " + kShortFrame))) << "the new request is answered";
    EXPECT_TRUE(line.drain(300ms).empty()) << "and the stream has ended";
}

TEST_F(ScaleFaults, SlowGapSpacesEveryByte) {
    scale.sim().setGapMs(80);
    scale.sim().injectFault(Fault::SlowGap);
    line.write(kShortRequest);
    auto start = steady_clock::now();
    auto first = line.read(1, 1000ms);
    auto firstAt = steady_clock::now();
    auto rest = line.read(8, 1000ms);
    auto lastAt = steady_clock::now();
    first.insert(first.end(), rest.begin(), rest.end());
    EXPECT_EQ(toHex(first), "06 " + kShortFrame);
    EXPECT_LT(firstAt - start, 500ms);
    EXPECT_GE(lastAt - firstAt, 8 * 80ms * 8 / 10);
}

TEST_F(ScaleFaults, VanishTakesTheDeviceAwayMidReply) {
    auto normal = normalReply();
    scale.sim().injectFault(Fault::Vanish);
    line.write(kIdentityRequest);
    auto part = line.drain(1000ms);
    EXPECT_FALSE(line.alive());
    ASSERT_FALSE(part.empty());
    EXPECT_LT(part.size(), normal.size());
    EXPECT_EQ(toHex(part), toHex({normal.begin(), normal.begin() + static_cast<long>(part.size())}));
    EXPECT_TRUE(scale.sim().vanished());
    EXPECT_FALSE(std::filesystem::exists(scale.linkPath()));
}

TEST(ScalePacing, RepliesTakeTheirLineTimeAtTheBaudRate) {
    SimOptions options;
    options.baud = 1200;
    SimHarness scale(options);
    RawLine line(scale.linkPath());
    auto sent = steady_clock::now();
    line.write(kIdentityRequest);
    auto reply = line.read(42, 3000ms);
    auto elapsed = steady_clock::now() - sent;
    ASSERT_EQ(reply.size(), 42u);
    // 7 request bytes and 42 reply bytes at 10 bits a byte: 49 x 8.33 ms.
    auto lineTime = duration_cast<milliseconds>(49 * 10 * 1000ms / 1200);
    EXPECT_GE(elapsed, lineTime * 9 / 10);
    EXPECT_LT(elapsed, lineTime * 2 + 300ms);
}

} // namespace

namespace {

std::string fileText(const char* name) {
    std::ifstream file(name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The acknowledgement log: a reply is settled by the PC's ACK, by its next request (not
// acknowledged, a NAK in between notwithstanding), or by the scale stopping while it waits.
// The line log keeps every byte the PC sent, in order.
TEST(ScaleAckLog, EveryReplyIsLoggedWithItsFate) {
    char name[] = "/tmp/scale-acks-XXXXXX";
    close(mkstemp(name));
    char lineName[] = "/tmp/scale-line-XXXXXX";
    close(mkstemp(lineName));
    SimOptions options;
    options.ackLog = name;
    options.lineLog = lineName;
    {
        SimHarness scale(options);
        RawLine line{scale.linkPath()};
        line.write(kIdentityRequest);
        line.drain();
        line.write({0x15}); // the PC asks for the reply again
        line.drain();
        line.write(kShortRequest); // and moves on without an ACK
        line.drain();
        line.write({0x06});
        line.write(kIdentityRequest); // answered by the scale, then left alone until the stop
        line.drain();
        EXPECT_EQ(scale.sim().replyOutcomes().size(), 2u);
        EXPECT_TRUE(scale.sim().replyAwaitingAnswer());
    }
    EXPECT_EQ(fileText(name), "01 not acknowledged\n7F acknowledged\n01 not acknowledged\n");
    const std::string sent = fileText(lineName);
    EXPECT_EQ(toHex(std::vector<uint8_t>(sent.begin(), sent.end())),
              "C3 04 00 01 01 C3 02 15 C3 04 00 7F 7F C3 02 06 C3 04 00 01 01 C3 02");
    std::remove(name);
    std::remove(lineName);
}

// Every fault a real line can show is one the link recovers from within its three attempts; a
// fault that never let go (a stream that does not stop, a slow reply that is not abandoned)
// would fail here.
class FaultRecovery : public ::testing::TestWithParam<Fault> {};

TEST_P(FaultRecovery, TheLinkGetsTheIdentityDespiteTheFault) {
    SimHarness scale;
    ASSERT_TRUE(theLink.open(1, 9600));
    scale.sim().injectFault(GetParam());
    theLink.clear();
    theLink.transact(0x01);
    ASSERT_FALSE(theLink.exchangeFailed);
    theLink.cursor = 2;
    EXPECT_EQ(theLink.getText(32), "SCALE SIM 15KG V1.63");
    theLink.clear();
    theLink.transact(0x01);
    EXPECT_FALSE(theLink.exchangeFailed) << "the next exchange is clean";
}

INSTANTIATE_TEST_SUITE_P(EveryRecoverableFault, FaultRecovery,
                         ::testing::Values(Fault::Nak, Fault::BadCheck, Fault::Silence, Fault::Garbage,
                                           Fault::NoAck, Fault::Address, Fault::Restart, Fault::Endless,
                                           Fault::SlowGap),
                         [](const auto& info) { return std::string(faultName(info.param)); });

} // namespace
