#include "terminal/Keypad.h"

#include <Qt>

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

uint8_t keyboardCode(int qtKey, bool numericPad) {
    if (numericPad)
        return 0x00;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<uint8_t>('0' + (qtKey - Qt::Key_0));
    switch (qtKey) {
    case Qt::Key_Escape:
    case Qt::Key_C:
        return 0x43;
    case Qt::Key_T:
        return 0x54;
    case Qt::Key_Z:
        return 0x5A;
    case Qt::Key_M:
        return 0x4D;
    case Qt::Key_P:
        return 0x50;
    case Qt::Key_X:
        return 0x58;
    case Qt::Key_S:
        return 0x53;
    case Qt::Key_O:
    case Qt::Key_F1:
        return 0x61;
    case Qt::Key_L:
    case Qt::Key_F2:
        return 0x62;
    case Qt::Key_F3:
        return 0x63;
    case Qt::Key_Insert:
    case Qt::Key_F4:
        return 0x64;
    case Qt::Key_Left:
    case Qt::Key_Print:
    case Qt::Key_F5:
        return 0x65;
    case Qt::Key_Right:
    case Qt::Key_Delete:
    case Qt::Key_F6:
        return 0x66;
    case Qt::Key_Backspace:
    case Qt::Key_F7:
        return 0x67;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F8:
        return 0x68;
    case Qt::Key_F11:
        return 0x56;
    case Qt::Key_F12:
        return 0x57;
    case Qt::Key_Shift:
        return 0x73;
    default:
        return 0x00;
    }
}

bool sendKey(const ScaleLine& line, uint8_t code) {
    line.link.clear();
    line.link.putByte(code);
    return line.runCommand(kKeyCommand);
}
