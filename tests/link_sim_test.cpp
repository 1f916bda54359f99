// The link against the emulated scale over a real pty: every misbehaviour of the line that the link
// must survive, with the outcome the exchange rules give.
#include "link/Command.h"
#include "link/FrameDescription.h"
#include "link/FrameLink.h"
#include "tests/support/SimHarness.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

class LinkAgainstScale : public ::testing::Test {
protected:
    SimHarness scale;
    void SetUp() override { ASSERT_TRUE(theLink.open(1, 9600)); }

    // The identity exchange; returns its duration in milliseconds.
    long long identify() {
        auto start = steady_clock::now();
        theLink.clear();
        theLink.transact(0x01);
        return duration_cast<milliseconds>(steady_clock::now() - start).count();
    }
    size_t requestsSeen() { return scale.sim().requestFrames().size(); }
};

TEST_F(LinkAgainstScale, IdentityExchange) {
    identify();
    ASSERT_FALSE(theLink.exchangeFailed);
    theLink.getByte();
    theLink.getByte();
    EXPECT_FALSE(theLink.getText(32).empty());
    EXPECT_EQ(requestsSeen(), 1u);
    // The scale takes the PC's acknowledgement on its own thread.
    for (int i = 0; i < 100 && scale.sim().acksReceived() == 0; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(scale.sim().acksReceived(), 1);
    ASSERT_EQ(scale.sim().requestFrames().size(), 1u);
    EXPECT_EQ(scale.sim().requestFrames()[0],
              (std::vector<uint8_t>{0xC3, 0x04, 0x00, 0x01, 0x01, 0xC3, 0x02}));
}

// Faults after which the request must go out again, and a later attempt succeeds.
struct RetryCase {
    Fault fault;
    long long minMs;    // a time-out must have passed (1100 ms), or not (0)
    size_t maxRequests; // an endless stream may still fill the line after the purge of the second
                        // attempt, until the scale has heard the PC again
};

void PrintTo(const RetryCase& c, std::ostream* out) {
    *out << faultName(c.fault);
}

class RetriedFaults : public LinkAgainstScale, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(RetriedFaults, ALaterAttemptSucceeds) {
    scale.sim().injectFault(GetParam().fault, 1);
    long long took = identify();
    EXPECT_FALSE(theLink.exchangeFailed);
    EXPECT_GE(requestsSeen(), 2u);
    EXPECT_LE(requestsSeen(), GetParam().maxRequests);
    EXPECT_GE(took, GetParam().minMs);
    EXPECT_LT(took, 2500);
}

INSTANTIATE_TEST_SUITE_P(Faults, RetriedFaults,
                         ::testing::Values(RetryCase{Fault::Nak, 0, 2}, RetryCase{Fault::Silence, 1050, 2},
                                           RetryCase{Fault::NoAck, 1050, 2},
                                           RetryCase{Fault::Address, 1050, 2},
                                           RetryCase{Fault::Endless, 0, 3}, RetryCase{Fault::Overlong, 0, 2}),
                         [](const auto& info) { return std::string(faultName(info.param.fault)); });

// Faults that the receiver rides out within the first attempt.
TEST_F(LinkAgainstScale, GarbageRestartAndWrongCheckNeedNoSecondRequest) {
    for (Fault f : {Fault::Garbage, Fault::Restart, Fault::BadCheck}) {
        scale.sim().clearLog();
        scale.sim().injectFault(f, 1);
        identify();
        EXPECT_FALSE(theLink.exchangeFailed) << faultName(f);
        EXPECT_EQ(requestsSeen(), 1u) << faultName(f);
    }
    EXPECT_EQ(scale.sim().naksReceived(), 1); // the wrong check was answered with NAK
}

TEST_F(LinkAgainstScale, ThreeSilentAttemptsFailAndTheNextExchangeWorks) {
    scale.sim().injectFault(Fault::Silence, 3);
    long long took = identify();
    EXPECT_TRUE(theLink.exchangeFailed);
    EXPECT_EQ(requestsSeen(), 3u);
    EXPECT_GT(took, 3200);
    EXPECT_LT(took, 4300);
    identify();
    EXPECT_FALSE(theLink.exchangeFailed);
}

TEST_F(LinkAgainstScale, SlowBytesPassBelowTheLimitAndFailAboveIt) {
    // At 1200 baud an attempt may take the line time of its byte bound (17 s): only the per-byte
    // limit is in play.
    ASSERT_TRUE(theLink.open(1, 1200));
    // A command with a short reply, so that the slow bytes take seconds, not minutes.
    auto closeUpload = [] {
        theLink.clear();
        theLink.transact(0x27);
    };
    scale.sim().setGapMs(880);
    scale.sim().injectFault(Fault::SlowGap, 1);
    closeUpload();
    EXPECT_FALSE(theLink.exchangeFailed);
    EXPECT_EQ(requestsSeen(), 1u);

    scale.sim().clearLog();
    scale.sim().setGapMs(1430);
    scale.sim().injectFault(Fault::SlowGap, 1);
    closeUpload();
    EXPECT_FALSE(theLink.exchangeFailed); // the second attempt is answered at full speed
    EXPECT_EQ(requestsSeen(), 2u);
}

TEST_F(LinkAgainstScale, DeviceVanishingMidReplyFailsWithoutHanging) {
    scale.sim().injectFault(Fault::Vanish, 1);
    long long took = identify();
    EXPECT_TRUE(theLink.exchangeFailed);
    EXPECT_LT(took, 1500);
    took = identify();
    EXPECT_TRUE(theLink.exchangeFailed);
    EXPECT_LT(took, 500);
    theLink.close();
    EXPECT_FALSE(theLink.port.isOpen);
}

// A port that failed itself is said once and not tried again: one attempt, not three, and every
// later exchange fails at once, until the port is opened again once the scale is back. A device
// gone from the file system (an adapter pulled out, its link removed) is lost the same way.
TEST_F(LinkAgainstScale, LostPortIsNotRetriedUntilItIsOpenedAgain) {
    int attemptsFailed = 0;
    theLink.trace = [&attemptsFailed](FrameLink::TraceKind kind, const uint8_t*, size_t) {
        attemptsFailed += kind == FrameLink::TraceKind::AttemptFailed;
    };
    scale.sim().injectFault(Fault::Vanish, 1);
    identify();
    EXPECT_TRUE(theLink.exchangeFailed);
    EXPECT_TRUE(theLink.port.portLost());
    EXPECT_FALSE(theLink.port.lossReason().empty());
    EXPECT_EQ(attemptsFailed, 1);
    EXPECT_LT(identify(), 50);
    EXPECT_TRUE(theLink.exchangeFailed);
    EXPECT_EQ(attemptsFailed, 1) << "no attempt on a lost port";

    SimHarness back; // the scale back, on a port of the same name
    ASSERT_TRUE(theLink.open(1, 9600));
    EXPECT_FALSE(theLink.port.portLost());
    identify();
    EXPECT_FALSE(theLink.exchangeFailed);

    back.sim().injectFault(Fault::Silence, 3);
    std::filesystem::remove(back.linkPath());
    identify();
    EXPECT_TRUE(theLink.exchangeFailed);
    EXPECT_TRUE(theLink.port.portLost());
    EXPECT_EQ(theLink.port.lossReason(), std::strerror(ENODEV));
    EXPECT_EQ(attemptsFailed, 2);
    theLink.trace = nullptr;
}

// A scale that looks at its line only 300 ms after each reply, when the PC has long closed the port:
// the acknowledgement of the last reply is still there for it.
TEST(LinkAgainstALateScale, TheLastReplyIsAcknowledgedAfterTheClose) {
    SimOptions options;
    options.readDelayMs = 300;
    SimHarness scale(options);
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(theLink.open(1, 9600));
        theLink.clear();
        theLink.transact(0x01);
        EXPECT_FALSE(theLink.exchangeFailed);
        theLink.close();
        EXPECT_TRUE(scale.lastReplyAcknowledged()) << "round " << round;
    }
    EXPECT_EQ(scale.sim().replyOutcomes().size(), 3u);
}

TEST_F(LinkAgainstScale, StatusByteComesThroughTheCommandCore) {
    scale.sim().setCalibration(true);
    theLink.clear();
    CommandOutcome outcome = performCommand(theLink, 0x01);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.status & kCalibrationBit, kCalibrationBit);
    EXPECT_EQ(theLink.cursor, 2);
    scale.sim().setCalibration(false);
    theLink.clear();
    EXPECT_EQ(performCommand(theLink, 0x01).status & kCalibrationBit, 0);
}

// What a person watching the line reads for each event of an exchange: the names, the decoded
// fields, and which events are failures. A leading '!' marks a failure.
struct DescribedCase {
    const char* name;
    std::optional<Fault> fault;
    uint8_t code;
    std::vector<uint8_t> payload;
    std::vector<std::string> expected;
};

void PrintTo(const DescribedCase& c, std::ostream* out) {
    *out << c.name;
}

class DescribedExchanges : public LinkAgainstScale, public ::testing::WithParamInterface<DescribedCase> {};

TEST_P(DescribedExchanges, EveryEventIsNamed) {
    const DescribedCase& c = GetParam();
    FrameDescriber describer;
    std::vector<std::string> seen;
    theLink.trace = [&](FrameLink::TraceKind kind, const uint8_t* bytes, size_t count) {
        LineNote note = describer.describe(kind, bytes, count);
        seen.push_back((note.failure ? "!" : "") + note.what);
    };
    if (c.fault)
        scale.sim().injectFault(*c.fault, 1);
    theLink.clear();
    for (uint8_t b : c.payload)
        theLink.putByte(b);
    theLink.transact(c.code);
    theLink.trace = nullptr;
    EXPECT_FALSE(theLink.exchangeFailed);
    EXPECT_EQ(seen, c.expected);
}

const std::string identityReply = R"(identity reply, status 00, "SCALE SIM 15KG V1.63")";

INSTANTIATE_TEST_SUITE_P(
    Events, DescribedExchanges,
    ::testing::Values(
        DescribedCase{"Identity", {}, 0x01, {}, {"identity", "ACK", identityReply, "ACK"}},
        DescribedCase{"NakToTheRequest",
                      Fault::Nak,
                      0x01,
                      {},
                      {"identity", "!NAK", "!attempt failed", "identity", "ACK", identityReply, "ACK"}},
        DescribedCase{"WrongCheck",
                      Fault::BadCheck,
                      0x01,
                      {},
                      {"identity", "ACK", "!bad check", "!NAK, bad check", identityReply, "ACK"}},
        DescribedCase{"Silence",
                      Fault::Silence,
                      0x01,
                      {},
                      {"identity", "!time-out", "identity", "ACK", identityReply, "ACK"}},
        DescribedCase{"PluNumber",
                      {},
                      0x04,
                      {0x01, 0x2C, 0x00, 0x36},
                      {"read PLU 300", "ACK", "read PLU reply, status 00", "ACK"}},
        DescribedCase{"ReportAddress",
                      {},
                      0x43,
                      {0x01, 0x20, 0x10},
                      {"report block at 0120, 16 bytes", "ACK", "report block reply, status 00", "ACK"}},
        DescribedCase{"StuffedKey", {}, 0x40, {0xC3}, {"key C3", "ACK", "key reply, status 00", "ACK"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
