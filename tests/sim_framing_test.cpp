// The scale's side of the framing, checked byte for byte over the pty with hand-written frames.
#include "tests/support/PtyPeer.h"
#include "tests/support/SimHarness.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// The test's own encoding of a reply frame, so that the emulator's encoder is not checked against
// itself.
std::vector<uint8_t> frameOf(const std::vector<uint8_t>& body, uint8_t address = 0) {
    std::vector<uint8_t> frame{0xC3, 0x04, address};
    uint8_t check = address;
    for (uint8_t b : body) {
        check ^= b;
        frame.push_back(b);
        if (b == 0xC3)
            frame.push_back(b);
    }
    frame.push_back(check);
    if (check == 0xC3)
        frame.push_back(check);
    frame.push_back(0xC3);
    frame.push_back(0x02);
    return frame;
}

std::vector<uint8_t> ackThen(const std::vector<uint8_t>& frame) {
    std::vector<uint8_t> bytes{0x06};
    bytes.insert(bytes.end(), frame.begin(), frame.end());
    return bytes;
}

std::vector<uint8_t> identityBody(const std::string& identity) {
    std::vector<uint8_t> body{0x00, 0x00};
    for (size_t i = 0; i < 33; ++i)
        body.push_back(i < identity.size() ? static_cast<uint8_t>(identity[i]) : 0);
    return body;
}

class ScaleFraming : public ::testing::Test {
protected:
    SimHarness scale;
    RawLine line{scale.linkPath()};
    const std::vector<uint8_t> identityRequest = hexBytes("C3 04 00 01 01 C3 02");

    std::vector<uint8_t> ask(const std::vector<uint8_t>& request, size_t expected) {
        line.write(request);
        return line.read(expected);
    }
};

TEST_F(ScaleFraming, IdentityRequestGetsAckAndOneCheckedFrame) {
    std::string identity;
    scale.sim().withState([&](ScaleState& s) { identity = s.identity; });
    auto expected = ackThen(frameOf(identityBody(identity)));
    EXPECT_EQ(toHex(ask(identityRequest, expected.size())), toHex(expected));
    EXPECT_TRUE(line.drain(100ms).empty()) << "nothing may follow the frame";

    ASSERT_EQ(scale.sim().requestFrames().size(), 1u);
    EXPECT_EQ(toHex(scale.sim().requestFrames()[0]), "C3 04 00 01 01 C3 02");
    EXPECT_EQ(toHex(scale.sim().requestBodies()[0]), "01");
}

TEST_F(ScaleFraming, IdentityFieldIsTheFirst33BytesOfAnyIdentity) {
    std::string longIdentity = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"; // 36 bytes, no NUL
    scale.sim().withState([&](ScaleState& s) { s.identity = longIdentity; });
    auto expected = ackThen(frameOf(identityBody(longIdentity)));
    EXPECT_EQ(toHex(ask(identityRequest, expected.size())), toHex(expected));

    std::string withC3 = "\xC3\xC3 SCALE";
    scale.sim().withState([&](ScaleState& s) { s.identity = withC3; });
    expected = ackThen(frameOf(identityBody(withC3)));
    auto got = ask(identityRequest, expected.size());
    EXPECT_EQ(toHex(got), toHex(expected));
    EXPECT_EQ(toHex({got.begin() + 6, got.begin() + 11}), "C3 C3 C3 C3 20") << "C3 in the body is doubled";
}

TEST_F(ScaleFraming, StuffedRequestBytesAreUnstuffed) {
    // PLU 195 (00 C3) with a price of 195 hundredths: C3 in the request and in the reply.
    scale.sim().withState([](ScaleState& s) {
        s.plus[195].price = 0xC3;
        s.plus[195].code = 7;
    });
    auto request = hexBytes("C3 04 00 04 00 C3 C3 00 36 F1 C3 02"); // check 04 ^ C3 ^ 36 = F1
    std::vector<uint8_t> body{0x00, 0x00, 0x00, 0x00, 0x00, 0xC3, 0x00, 0x00, 0x00, 0x07};
    body.resize(2 + 54, 0);
    auto expected = ackThen(frameOf(body));
    EXPECT_EQ(toHex(ask(request, expected.size())), toHex(expected));
    EXPECT_EQ(toHex(scale.sim().requestBodies().back()), "04 00 C3 00 36");
}

TEST_F(ScaleFraming, CheckByteC3ArrivesDoubledAndIsAccepted) {
    // Key 0x83 gives the check byte C3 (40 ^ 83).
    auto got = ask(hexBytes("C3 04 00 40 83 C3 C3 C3 02"), 1);
    EXPECT_EQ(toHex(got), "06");
    EXPECT_EQ(toHex(scale.sim().requestBodies().back()), "40 83");
}

TEST_F(ScaleFraming, BadCheckIsAnsweredWithNakAndNothingElse) {
    EXPECT_EQ(toHex(line.drain(100ms)), "");
    line.write(hexBytes("C3 04 00 23 00 01 00 C3 02")); // a short PLU write with a wrong check
    EXPECT_EQ(toHex(line.drain()), "15");
    // An empty body has no check byte at all.
    line.write(hexBytes("C3 04 00 C3 02"));
    EXPECT_EQ(toHex(line.drain()), "15");
    EXPECT_EQ(scale.sim().requestFrames().size(), 2u);
}

TEST_F(ScaleFraming, NakAfterReplyRepeatsTheFrameAndAckEndsIt) {
    auto first = ask(identityRequest, 100);
    ASSERT_GT(first.size(), 8u);
    std::vector<uint8_t> frame(first.begin() + 1, first.end());
    // Each repeat is read to its expected length (a busy machine may start it late), and then the
    // line must stay quiet: no ACK and nothing else follows it.
    line.write({0x15});
    EXPECT_EQ(toHex(line.read(frame.size(), 3000ms)), toHex(frame)) << "the same frame again";
    EXPECT_EQ(toHex(line.drain()), "") << "without an ACK";
    line.write({0x15});
    EXPECT_EQ(toHex(line.read(frame.size(), 3000ms)), toHex(frame));
    line.write({0x06});
    line.write({0x15}); // after the ACK there is nothing left to repeat
    EXPECT_EQ(toHex(line.drain()), "");
    EXPECT_EQ(scale.sim().acksReceived(), 1);
    EXPECT_EQ(scale.sim().naksReceived(), 3);
    EXPECT_EQ(scale.sim().requestFrames().size(), 1u) << "a NAK is no new request";
}

TEST_F(ScaleFraming, OtherAddressesAndBrokenFramesAreIgnored) {
    line.write(hexBytes("C3 04 01 01 00 C3 02")); // address 1, check right for it
    line.write(hexBytes("55 C3 17 01 C3 02"));    // junk, C3 without marker, an end without a start
    EXPECT_EQ(toHex(line.drain(300ms)), "");
    // A frame restarted inside a frame: only the second one counts.
    line.write(hexBytes("C3 04 00 40 37 C3 04 00 01 01 C3 02"));
    auto reply = line.drain();
    ASSERT_FALSE(reply.empty());
    EXPECT_EQ(reply[0], 0x06);
    EXPECT_EQ(reply.size(), 1u + 3 + 35 + 1 + 2);
    EXPECT_EQ(toHex(scale.sim().requestFrames().back()), "C3 04 00 01 01 C3 02");
}

TEST_F(ScaleFraming, UnknownCommandGetsStatusAndErrorCodeOnly) {
    scale.sim().setCalibration(true);
    auto got = ask(hexBytes("C3 04 00 7F 7F C3 02"), 100);
    EXPECT_EQ(toHex(got), toHex(ackThen(frameOf({0x04, 0x01}))));
}

TEST_F(ScaleFraming, BackToBackRequestsInOneWriteAreAllAnswered) {
    auto twice = identityRequest;
    twice.insert(twice.end(), identityRequest.begin(), identityRequest.end());
    line.write(twice);
    auto got = line.drain();
    EXPECT_EQ(got.size(), 2 * (1 + 3 + 35 + 1 + 2));
}

} // namespace
