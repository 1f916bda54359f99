// The scale's keypad as the remote terminal drives it: the 30 keys with their captions and the
// single-byte codes they send, the PC keyboard's map onto those codes, and the key press itself
// (command 0x40). UI-free, shared by the terminal window and scalectl.
#pragma once

#include "link/Command.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

struct KeypadKey {
    std::string_view caption;
    uint8_t code;
};

// The keys: five rows of six, left to right, top to bottom.
constexpr size_t kKeypadKeys = 30;
constexpr size_t kKeypadColumns = 6;
extern const std::array<KeypadKey, kKeypadKeys> kKeypad;

// The code of the key with this caption, when there is one.
std::optional<uint8_t> keypadCode(std::string_view caption);

// The code a key of the PC keyboard sends (a Qt::Key value and the platform's scan code, 0 when
// there is none); 0x00 for every key without a keypad equivalent. The keys of the numeric pad send
// 0x00 whatever they are, and the state of Shift, Ctrl and Alt plays no part: a key of the digit
// row sends its digit whatever character Shift or the layout makes of it, and under a layout of
// non-Latin letters a letter key sends what the Latin letter in its place would.
uint8_t keyboardCode(int qtKey, bool numericPad, uint32_t scanCode);

constexpr uint8_t kKeyCommand = 0x40;

// One key press on the scale: the code as the only payload byte, command 0x40. The reply carries
// nothing beyond the status; false when the exchange failed (the line's runner has reported it).
bool sendKey(const ScaleLine& line, uint8_t code);
