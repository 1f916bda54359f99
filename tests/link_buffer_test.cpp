// The message buffer: field encodings on the put side and the get side.
#include "link/FrameLink.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<uint8_t> payload(const FrameLink& link) {
    return {link.sendBuffer, link.sendBuffer + link.payloadCount};
}

void setReply(FrameLink& link, const std::vector<uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), link.replyBuffer);
    link.cursor = 0;
}

TEST(MessageBuffer, NumbersGoHighByteFirst) {
    FrameLink link;
    link.clear();
    link.putWord(0x1234);
    link.putLong(1);
    link.putLong(static_cast<uint32_t>(-2));
    link.putByte(0xAB);
    EXPECT_EQ(payload(link), (std::vector<uint8_t>{0x12, 0x34, 0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFE, 0xAB}));
    EXPECT_EQ(link.cursor, 11);
}

TEST(MessageBuffer, TextFieldsAreAlwaysWidthPlusOneBytes) {
    FrameLink link;
    link.clear();
    link.putText("AB", 4);
    EXPECT_EQ(payload(link), (std::vector<uint8_t>{0x41, 0x42, 0, 0, 0}));
    link.clear();
    link.putText("ABCDEF", 4);
    EXPECT_EQ(payload(link), (std::vector<uint8_t>{0x41, 0x42, 0x43, 0x44, 0}));
    link.clear();
    link.putText("", 3);
    EXPECT_EQ(payload(link), (std::vector<uint8_t>{0, 0, 0, 0}));
    // Bytes above 0x7F (code page 1250 letters) pass unchanged.
    link.clear();
    link.putText("\x80\xE4", 2);
    EXPECT_EQ(payload(link), (std::vector<uint8_t>{0x80, 0xE4, 0}));
}

TEST(MessageBuffer, ClearStartsANewPayloadButKeepsTheBytes) {
    FrameLink link;
    link.clear();
    link.putByte(39);
    link.clear();
    EXPECT_EQ(link.payloadCount, 0);
    EXPECT_EQ(link.cursor, 0);
    EXPECT_EQ(link.sendBuffer[0], 39);
}

TEST(MessageBuffer, GetSideReadsSignedValues) {
    FrameLink link;
    setReply(link, {0xFF, 0xFE, 0x00, 0x00, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
    EXPECT_EQ(link.getWord(), -2);
    EXPECT_EQ(link.getLong(), 256);
    EXPECT_EQ(link.getLong(), -1);
    EXPECT_EQ(link.getByte(), 0x7F);
    EXPECT_EQ(link.cursor, 11);
}

TEST(MessageBuffer, GetTextStopsAtNulAndAlwaysAdvancesWidthPlusOne) {
    FrameLink link;
    std::vector<uint8_t> field(17, 0);
    field[0] = 'A', field[1] = 'B', field[2] = 'C';
    field[5] = 'Z'; // after the NUL: not part of the text
    setReply(link, field);
    EXPECT_EQ(link.getText(16), "ABC");
    EXPECT_EQ(link.cursor, 17);

    std::vector<uint8_t> full(20, 'Q');
    setReply(link, full);
    EXPECT_EQ(link.getText(16), std::string(16, 'Q'));
    EXPECT_EQ(link.cursor, 17);
}

TEST(MessageBuffer, CursorWrapsInsideTheBuffers) {
    FrameLink link;
    link.cursor = 254;
    link.payloadCount = 254;
    link.putLong(0x01020304);
    EXPECT_EQ(link.cursor, 2);
    EXPECT_EQ(link.sendBuffer[255], 0x02);
    EXPECT_EQ(link.sendBuffer[0], 0x03);

    link.cursor = 250;
    link.replyBuffer[250] = 'X';
    link.replyBuffer[251] = 0;
    EXPECT_EQ(link.getText(10), "X");
    EXPECT_EQ(link.cursor, 5);
}

TEST(MessageBuffer, SwapLongReversesTheBytes) {
    EXPECT_EQ(FrameLink::swapLong(0x11223344u), 0x44332211u);
    EXPECT_EQ(FrameLink::swapLong(0x000000FFu), 0xFF000000u);
}

} // namespace
