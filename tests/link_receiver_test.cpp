// The PC's receive state machine, state by state, fed directly.
#include "link/FrameReceiver.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using State = FrameReceiver::State;
using Step = FrameReceiver::Step;

struct Receiver {
    uint8_t buffer[FrameReceiver::kBufferSize] = {};
    uint8_t check = 0;
    FrameReceiver rx{0, buffer, check};

    Step feedAll(const std::vector<uint8_t>& bytes) {
        Step last = Step::More;
        for (uint8_t b : bytes) {
            last = rx.feed(b);
            if (last != Step::More && last != Step::BadCheck)
                break;
        }
        return last;
    }
};

struct Transition {
    std::vector<uint8_t> prefix; // brings the machine into the state under test
    uint8_t byte;
    State next;
    Step step;
};

const char* stateName(State state) {
    static const char* const names[] = {"WaitAck", "Hunt", "Marker", "Address", "Data", "Escape"};
    return names[static_cast<int>(state)];
}

// A case is named by the state it starts in, the byte and where it leads: "Marker_C3_Hunt".
std::string caseName(const Transition& t) {
    State from = State::WaitAck;
    {
        Receiver r;
        for (uint8_t b : t.prefix)
            r.rx.feed(b);
        from = r.rx.state();
    }
    static const char* const steps[] = {"", "Complete", "BadCheck", "Failed"};
    char byte[3];
    std::snprintf(byte, sizeof byte, "%02X", t.byte);
    std::string to = t.step == Step::More ? stateName(t.next) : steps[static_cast<int>(t.step)];
    return std::string(stateName(from)) + "_" + byte + "_" + to;
}

void PrintTo(const Transition& t, std::ostream* out) {
    *out << caseName(t);
}

class ReceiverTable : public ::testing::TestWithParam<Transition> {};

TEST_P(ReceiverTable, ByteLeadsToState) {
    const Transition& t = GetParam();
    Receiver r;
    for (uint8_t b : t.prefix)
        ASSERT_EQ(r.rx.feed(b), Step::More);
    EXPECT_EQ(r.rx.feed(t.byte), t.step);
    if (t.step == Step::More || t.step == Step::BadCheck) {
        EXPECT_EQ(r.rx.state(), t.next);
    }
}

// The prefixes: WaitAck {}, Hunt {06}, Marker {06 C3}, Address {06 C3 04}, Data {06 C3 04 00},
// Escape {06 C3 04 00 C3}.
INSTANTIATE_TEST_SUITE_P(
    States, ReceiverTable,
    ::testing::Values(Transition{{}, 0x15, State::WaitAck, Step::Failed},
                      Transition{{}, 0x06, State::Hunt, Step::More},
                      Transition{{}, 0xC3, State::Hunt, Step::More}, // any other byte counts as the ACK
                      Transition{{0x06}, 0xC3, State::Marker, Step::More},
                      Transition{{0x06}, 0x04, State::Hunt, Step::More},
                      Transition{{0x06, 0xC3}, 0x04, State::Address, Step::More},
                      Transition{{0x06, 0xC3}, 0xC3, State::Hunt, Step::More}, // dropped even if C3
                      Transition{{0x06, 0xC3, 0x04}, 0x00, State::Data, Step::More},
                      Transition{{0x06, 0xC3, 0x04}, 0x01, State::Hunt, Step::More},
                      Transition{{0x06, 0xC3, 0x04, 0x00}, 0xC3, State::Escape, Step::More},
                      Transition{{0x06, 0xC3, 0x04, 0x00}, 0x42, State::Data, Step::More},
                      Transition{{0x06, 0xC3, 0x04, 0x00, 0xC3}, 0xC3, State::Data, Step::More},
                      Transition{{0x06, 0xC3, 0x04, 0x00, 0xC3}, 0x04, State::Address, Step::More},
                      Transition{{0x06, 0xC3, 0x04, 0x00, 0xC3}, 0x17, State::Hunt, Step::More},
                      // An empty body: the check over the address alone is 0.
                      Transition{{0x06, 0xC3, 0x04, 0x00, 0xC3}, 0x02, State::Hunt, Step::Complete}),
    [](const auto& info) { return caseName(info.param); });

TEST(Receiver, StoresTheUnstuffedBodyWithItsCheck) {
    Receiver r;
    // Body 00 C3 (status 0, byte C3), check 00^00^C3 = C3, both C3 stuffed.
    EXPECT_EQ(r.feedAll({0x06, 0xC3, 0x04, 0x00, 0x00, 0xC3, 0xC3, 0xC3, 0xC3, 0xC3, 0x02}), Step::Complete);
    EXPECT_EQ(r.rx.stored(), 3u);
    EXPECT_EQ(r.buffer[0], 0x00);
    EXPECT_EQ(r.buffer[1], 0xC3);
    EXPECT_EQ(r.buffer[2], 0xC3);
}

TEST(Receiver, WrongCheckAsksAgainAndTheNextFrameCounts) {
    Receiver r;
    EXPECT_EQ(r.feedAll({0x06, 0xC3, 0x04, 0x00, 0x05, 0x07, 0x99, 0xC3, 0x02}), Step::BadCheck);
    EXPECT_EQ(r.rx.state(), State::Hunt);
    EXPECT_EQ(r.feedAll({0xC3, 0x04, 0x00, 0x05, 0x07, 0x02, 0xC3, 0x02}), Step::Complete);
    EXPECT_EQ(r.buffer[0], 0x05);
}

TEST(Receiver, ARestartedFrameStartsItsCheckAndIndexAgain) {
    Receiver r;
    EXPECT_EQ(r.feedAll({0x06, 0xC3, 0x04, 0x00, 0x11, 0x22, 0x33, 0xC3, 0x04, 0x00, 0x09, 0x09, 0xC3, 0x02}),
              Step::Complete);
    EXPECT_EQ(r.rx.stored(), 2u);
    EXPECT_EQ(r.buffer[0], 0x09);
}

TEST(Receiver, GarbageBeforeTheFrameIsSkipped) {
    Receiver r;
    EXPECT_EQ(r.feedAll({0x06, 0x55, 0xAA, 0xC3, 0x55, 0x04, 0x00, 0xC3, 0x04, 0x00, 0x01, 0x01, 0xC3, 0x02}),
              Step::Complete);
    EXPECT_EQ(r.buffer[0], 0x01);
}

TEST(Receiver, ABodyLongerThanTheBufferFailsWithoutWritingPastIt) {
    Receiver r;
    std::vector<uint8_t> frame{0x06, 0xC3, 0x04, 0x00};
    frame.insert(frame.end(), 300, 0x01);
    EXPECT_EQ(r.feedAll(frame), Step::Failed);
    EXPECT_EQ(r.rx.failure(), FrameReceiver::Failure::Overlong);
    // Nothing past the buffer was written (the sanitizer build watches the memory itself).
    EXPECT_EQ(r.rx.stored(), FrameReceiver::kBufferSize);
}

TEST(Receiver, AnEndlessStreamEndsTheAttempt) {
    Receiver r;
    Step step = Step::More;
    size_t fed = 0;
    while (step == Step::More && fed < 100000) {
        step = r.rx.feed(0x55);
        ++fed;
    }
    EXPECT_EQ(step, Step::Failed);
    EXPECT_EQ(r.rx.failure(), FrameReceiver::Failure::TooManyBytes);
    EXPECT_EQ(fed, FrameReceiver::kAttemptByteLimit + 1);
}

TEST(Receiver, EndlessWrongChecksEndTheAttempt) {
    Receiver r;
    const std::vector<uint8_t> bad{0xC3, 0x04, 0x00, 0x05, 0x07, 0x99, 0xC3, 0x02};
    r.rx.feed(0x06);
    int naks = 0;
    Step step = Step::More;
    while (naks < 10000) {
        step = r.feedAll(bad);
        if (step != Step::BadCheck)
            break;
        ++naks;
    }
    EXPECT_EQ(step, Step::Failed);
    EXPECT_GT(naks, 100);
}

} // namespace
