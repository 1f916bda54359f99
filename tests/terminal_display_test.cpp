// The display poll's reply decoded into lines, decimal points and indicators, and the texts the
// window and scalectl make of it.
#include "terminal/Display.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using testcases::PrintTo;

// A 0x42 reply body as it lies in the reply buffer: status, two bytes, the lines with one unused
// byte after each of the first two, the decimals bytes, the two indicator bytes.
std::array<uint8_t, 256> reply(const std::array<std::string, 3>& lines, std::array<uint8_t, 3> decimals,
                               uint8_t flags29, uint8_t flags30) {
    std::array<uint8_t, 256> bytes{};
    bytes.fill(0xEE); // anything the decoder must not take for part of a line
    bytes[0] = 0x00;
    for (size_t n = 0; n < 3; ++n)
        for (size_t i = 0; i < 7; ++i)
            bytes[3 + 8 * n + i] = static_cast<uint8_t>(lines[n][i]);
    for (size_t n = 0; n < 3; ++n)
        bytes[26 + n] = decimals[n];
    bytes[29] = flags29;
    bytes[30] = flags30;
    return bytes;
}

struct DecimalsCase {
    const char* name;
    uint8_t decimals;
    const char* overlay; // the overlay's eight cells; the window shows the first seven
    const char* text;    // the line as scalectl prints it
};

class DecimalPoint : public ::testing::TestWithParam<DecimalsCase> {};

TEST_P(DecimalPoint, FallsBetweenTheDigitsWithDecimalsToItsRight) {
    const DecimalsCase& c = GetParam();
    auto bytes = reply({"0012345", "       ", "       "}, {c.decimals, 0, 0}, 0, 0);
    DisplayState state = decodeDisplay(bytes.data());
    EXPECT_EQ(displayCaption(state.lines[0]), QStringLiteral(" 0012345"));
    EXPECT_EQ(overlayCaption(state.decimals[0], QStringLiteral(".")), QString::fromLatin1(c.overlay));
    EXPECT_EQ(lineWithSeparator(state.lines[0], state.decimals[0], QStringLiteral(".")),
              QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(Decimals, DecimalPoint,
                         ::testing::Values(DecimalsCase{"None", 0, "       .", "0012345"},
                                           DecimalsCase{"One", 1, "      . ", "001234.5"},
                                           DecimalsCase{"Two", 2, "     .  ", "00123.45"},
                                           DecimalsCase{"Seven", 7, ".       ", ".0012345"},
                                           DecimalsCase{"Eight", 8, "        ", "0012345"},
                                           DecimalsCase{"Nine", 9, "        ", "0012345"},
                                           DecimalsCase{"Max", 255, "        ", "0012345"}),
                         testcases::caseName);

TEST(DisplayDecoding, TakesEachLineAndItsDecimalsFromItsOwnBytes) {
    auto bytes = reply({"  0.750", "abcdefg", "-123456"}, {3, 2, 1}, 0, 0);
    DisplayState state = decodeDisplay(bytes.data());
    EXPECT_EQ(state.lines, (std::array<std::string, 3>{"  0.750", "abcdefg", "-123456"}));
    EXPECT_EQ(state.decimals, (std::array<uint8_t, 3>{3, 2, 1}));
    // Bytes outside ASCII are code page 1250 characters.
    bytes[3] = 0x8A;
    bytes[9] = 0xB9;
    EXPECT_EQ(displayCaption(decodeDisplay(bytes.data()).lines[0]), QStringLiteral(" \u0160 0.75\u0105"));
}

TEST(DisplayDecoding, CommaLocaleSeparator) {
    LocaleGuard comma(QLocale(QLocale::German, QLocale::Germany));
    QString separator = QLocale().decimalPoint();
    EXPECT_EQ(overlayCaption(3, separator), QStringLiteral("    ,   "));
    EXPECT_EQ(lineWithSeparator("  12345", 2, separator), QStringLiteral("  123,45"));
}

struct IndicatorCase {
    const char* name;
    uint8_t flags29;
    uint8_t flags30;
    const char* shown;
};

class Indicators : public ::testing::TestWithParam<IndicatorCase> {};

TEST_P(Indicators, ShowExactlyTheirFlags) {
    const IndicatorCase& c = GetParam();
    auto bytes = reply({"       ", "       ", "       "}, {0, 0, 0}, c.flags29, c.flags30);
    EXPECT_EQ(indicatorNames(decodeDisplay(bytes.data())), QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Flags, Indicators,
                         ::testing::Values(IndicatorCase{"StabAndNet", 0x09, 0x00, "STAB NET"},
                                           IndicatorCase{"OnlyCharg", 0x00, 0x10, "CHARG"},
                                           IndicatorCase{"ZeroBattMode", 0x32, 0x00, "MODE ZERO BATT"},
                                           IndicatorCase{"ShiftSbtPaper", 0x00, 0x0E, "SHIFT SBT PAPER"},
                                           IndicatorCase{"AllInPanelOrder", 0xFF, 0xFF,
                                                         "SHIFT MODE STAB ZERO NET BATT SBT PAPER CHARG"},
                                           IndicatorCase{"UnusedBitsOnly", 0xC4, 0xE1, ""}),
                         testcases::caseName);

} // namespace
