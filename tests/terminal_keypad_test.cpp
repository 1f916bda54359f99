// The keypad's codes and the PC keyboard's map onto them.
#include "terminal/Keypad.h"
#include "tests/support/NamedCase.h"

#include <Qt>
#include <gtest/gtest.h>

namespace {

using testcases::PrintTo;

struct KeyboardCase {
    const char* name;
    int qtKey;
    bool numericPad;
    uint8_t code;
    uint32_t scanCode = 0; // none, as synthetic key presses have
};

// The scan code of a key on a US keyboard, written out: XKB's key code (the kernel's plus 8), or
// Windows' set-1 code.
constexpr uint32_t scan([[maybe_unused]] uint32_t xkb, [[maybe_unused]] uint32_t set1) {
#ifdef _WIN32
    return set1;
#else
    return xkb;
#endif
}

class KeyboardMap : public ::testing::TestWithParam<KeyboardCase> {};

TEST_P(KeyboardMap, SendsTheKeypadsCode) {
    EXPECT_EQ(keyboardCode(GetParam().qtKey, GetParam().numericPad, GetParam().scanCode), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardMap,
    ::testing::Values(
        KeyboardCase{"Digit0", Qt::Key_0, false, 0x30}, KeyboardCase{"Digit9", Qt::Key_9, false, 0x39},
        KeyboardCase{"Escape", Qt::Key_Escape, false, 0x43}, KeyboardCase{"C", Qt::Key_C, false, 0x43},
        KeyboardCase{"T", Qt::Key_T, false, 0x54}, KeyboardCase{"Z", Qt::Key_Z, false, 0x5A},
        KeyboardCase{"M", Qt::Key_M, false, 0x4D}, KeyboardCase{"P", Qt::Key_P, false, 0x50},
        KeyboardCase{"X", Qt::Key_X, false, 0x58}, KeyboardCase{"S", Qt::Key_S, false, 0x53},
        KeyboardCase{"O", Qt::Key_O, false, 0x61}, KeyboardCase{"F1", Qt::Key_F1, false, 0x61},
        KeyboardCase{"L", Qt::Key_L, false, 0x62}, KeyboardCase{"F2", Qt::Key_F2, false, 0x62},
        KeyboardCase{"F3", Qt::Key_F3, false, 0x63}, KeyboardCase{"Insert", Qt::Key_Insert, false, 0x64},
        KeyboardCase{"F4", Qt::Key_F4, false, 0x64}, KeyboardCase{"Left", Qt::Key_Left, false, 0x65},
        KeyboardCase{"PrintScreen", Qt::Key_Print, false, 0x65}, KeyboardCase{"F5", Qt::Key_F5, false, 0x65},
        KeyboardCase{"Right", Qt::Key_Right, false, 0x66},
        KeyboardCase{"Delete", Qt::Key_Delete, false, 0x66}, KeyboardCase{"F6", Qt::Key_F6, false, 0x66},
        KeyboardCase{"Backspace", Qt::Key_Backspace, false, 0x67},
        KeyboardCase{"F7", Qt::Key_F7, false, 0x67}, KeyboardCase{"Enter", Qt::Key_Return, false, 0x68},
        KeyboardCase{"F8", Qt::Key_F8, false, 0x68}, KeyboardCase{"F11", Qt::Key_F11, false, 0x56},
        KeyboardCase{"F12", Qt::Key_F12, false, 0x57}, KeyboardCase{"Shift", Qt::Key_Shift, false, 0x73},
        // A digit-row key is its digit whatever Shift or the layout makes of it.
        KeyboardCase{"ShiftedDigit1", Qt::Key_Exclam, false, 0x31, scan(10, 0x02)},
        KeyboardCase{"LayoutDigit0", Qt::Key_Agrave, false, 0x30, scan(19, 0x0B)},
        KeyboardCase{"Digit9ByScanCode", Qt::Key_9, false, 0x39, scan(18, 0x0A)},
        // A Cyrillic layout's letters go by their place: the keys of C, T, Z, M, P, X, S, O and L.
        KeyboardCase{"CyrillicEsAtC", 0x0421, false, 0x43, scan(54, 0x2E)},
        KeyboardCase{"CyrillicIeAtT", 0x0415, false, 0x54, scan(28, 0x14)},
        KeyboardCase{"CyrillicYaAtZ", 0x042F, false, 0x5A, scan(52, 0x2C)},
        KeyboardCase{"CyrillicSoftSignAtM", 0x042C, false, 0x4D, scan(58, 0x32)},
        KeyboardCase{"CyrillicZeAtP", 0x0417, false, 0x50, scan(33, 0x19)},
        KeyboardCase{"CyrillicCheAtX", 0x0427, false, 0x58, scan(53, 0x2D)},
        KeyboardCase{"CyrillicYeruAtS", 0x042B, false, 0x53, scan(39, 0x1F)},
        KeyboardCase{"CyrillicShchaAtO", 0x0429, false, 0x61, scan(32, 0x18)},
        KeyboardCase{"CyrillicDeAtL", 0x0414, false, 0x62, scan(46, 0x26)},
        KeyboardCase{"CyrillicEfAtA", 0x0424, false, 0x00, scan(38, 0x1E)},
        // A Latin layout's letters go by the letter: QWERTZ's Y sits where QWERTY has its Z.
        KeyboardCase{"LatinYAtZ", Qt::Key_Y, false, 0x00, scan(52, 0x2C)},
        // Everything else, the numeric pad included, sends 0x00.
        KeyboardCase{"A", Qt::Key_A, false, 0x00}, KeyboardCase{"Space", Qt::Key_Space, false, 0x00},
        KeyboardCase{"F9", Qt::Key_F9, false, 0x00}, KeyboardCase{"Up", Qt::Key_Up, false, 0x00},
        KeyboardCase{"Control", Qt::Key_Control, false, 0x00},
        KeyboardCase{"ExclamWithoutScanCode", Qt::Key_Exclam, false, 0x00},
        KeyboardCase{"PadDigit5", Qt::Key_5, true, 0x00}, KeyboardCase{"PadEnter", Qt::Key_Enter, true, 0x00},
        KeyboardCase{"PadDelete", Qt::Key_Delete, true, 0x00},
        KeyboardCase{"PadMinus", Qt::Key_Minus, true, 0x00}),
    testcases::caseName);

// Each caption of the keypad, row by row, with the code it sends.
const std::vector<std::pair<std::string, uint8_t>> captionsAndCodes = {
    {"7", 0x37},  {"8", 0x38},   {"9", 0x39},   {"M", 0x4D},   {"shift", 0x73}, {"ON", 0x51},
    {"4", 0x34},  {"5", 0x35},   {"6", 0x36},   {"PLU", 0x50}, {"DRW", 0x61},   {"LF", 0x62},
    {"1", 0x31},  {"2", 0x32},   {"3", 0x33},   {"X", 0x58},   {"PAY", 0x63},   {"%-", 0x64},
    {"0", 0x30},  {"00", 0x2E},  {"C", 0x43},   {"TOT", 0x53}, {"<", 0x65},     {">", 0x66},
    {"C1", 0x56}, {"-0-", 0x5A}, {"-T-", 0x54}, {"C2", 0x57},  {"<=", 0x67},    {"<=|", 0x68},
};

TEST(Keypad, CaptionsAndCodesInButtonOrder) {
    ASSERT_EQ(kKeypad.size(), captionsAndCodes.size());
    for (size_t i = 0; i < kKeypad.size(); ++i) {
        EXPECT_EQ(kKeypad[i].caption, captionsAndCodes[i].first) << "key " << i + 1;
        EXPECT_EQ(kKeypad[i].code, captionsAndCodes[i].second) << "key " << i + 1;
        EXPECT_EQ(keypadCode(captionsAndCodes[i].first), captionsAndCodes[i].second);
    }
    EXPECT_FALSE(keypadCode("SHIFT"));
    EXPECT_FALSE(keypadCode(""));
}

} // namespace
