#include "terminal/Keypad.h"

#include "terminal/KeyPositions.h"

#include <Qt>
#include <algorithm>

const std::array<KeypadKey, kKeypadKeys> kKeypad = {{
    {"7", 0x37},  {"8", 0x38},   {"9", 0x39},   {"M", 0x4D},   {"shift", 0x73}, {"ON", 0x51},
    {"4", 0x34},  {"5", 0x35},   {"6", 0x36},   {"PLU", 0x50}, {"DRW", 0x61},   {"LF", 0x62},
    {"1", 0x31},  {"2", 0x32},   {"3", 0x33},   {"X", 0x58},   {"PAY", 0x63},   {"%-", 0x64},
    {"0", 0x30},  {"00", 0x2E},  {"C", 0x43},   {"TOT", 0x53}, {"<", 0x65},     {">", 0x66},
    {"C1", 0x56}, {"-0-", 0x5A}, {"-T-", 0x54}, {"C2", 0x57},  {"<=", 0x67},    {"<=|", 0x68},
}};

std::optional<uint8_t> keypadCode(std::string_view caption) {
    for (const KeypadKey& key : kKeypad)
        if (key.caption == caption)
            return key.code;
    return std::nullopt;
}

namespace {

struct KeyboardKey {
    int qtKey;
    uint8_t code;
};

// The PC keys with a keypad equivalent, besides the digit keys of the main keyboard.
constexpr KeyboardKey kKeyboard[] = {
    {Qt::Key_Escape, 0x43}, {Qt::Key_C, 0x43},         {Qt::Key_T, 0x54},     {Qt::Key_Z, 0x5A},
    {Qt::Key_M, 0x4D},      {Qt::Key_P, 0x50},         {Qt::Key_X, 0x58},     {Qt::Key_S, 0x53},
    {Qt::Key_O, 0x61},      {Qt::Key_F1, 0x61},        {Qt::Key_L, 0x62},     {Qt::Key_F2, 0x62},
    {Qt::Key_F3, 0x63},     {Qt::Key_Insert, 0x64},    {Qt::Key_F4, 0x64},    {Qt::Key_Left, 0x65},
    {Qt::Key_Print, 0x65},  {Qt::Key_F5, 0x65},        {Qt::Key_Right, 0x66}, {Qt::Key_Delete, 0x66},
    {Qt::Key_F6, 0x66},     {Qt::Key_Backspace, 0x67}, {Qt::Key_F7, 0x67},    {Qt::Key_Return, 0x68},
    {Qt::Key_Enter, 0x68},  {Qt::Key_F8, 0x68},        {Qt::Key_F11, 0x56},   {Qt::Key_F12, 0x57},
    {Qt::Key_Shift, 0x73},
};

} // namespace

uint8_t keyboardCode(int qtKey, bool numericPad, uint32_t scanCode) {
    if (numericPad)
        return 0x00;
    auto row = std::find(kDigitRowScanCodes.begin(), kDigitRowScanCodes.end(), scanCode);
    if (scanCode != 0 && row != kDigitRowScanCodes.end())
        return static_cast<uint8_t>('0' + (row - kDigitRowScanCodes.begin()));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<uint8_t>('0' + (qtKey - Qt::Key_0));
    // A layout whose letters are no Latin ones (Cyrillic, Greek): the letter key goes by its place,
    // as on a Latin layout the key goes by its letter.
    const bool nonLatinCharacter = qtKey > 0xFF && qtKey < Qt::Key_Escape;
    if (nonLatinCharacter && scanCode != 0)
        for (const LetterKeyPosition& position : kLetterScanCodes)
            if (position.scanCode == scanCode)
                qtKey = position.letter;
    for (const KeyboardKey& key : kKeyboard)
        if (key.qtKey == qtKey)
            return key.code;
    return 0x00;
}

bool sendKey(const ScaleLine& line, uint8_t code) {
    line.link.clear();
    line.link.putByte(code);
    return line.runCommand(kKeyCommand);
}
