// X11 and Wayland: the XKB key codes (the kernel's key codes plus 8). Digit row: 10 for 1 to 18 for
// 9, and 19 for 0.
#include "terminal/KeyPositions.h"

const std::array<uint32_t, 10> kDigitRowScanCodes = {19, 10, 11, 12, 13, 14, 15, 16, 17, 18};

const std::array<LetterKeyPosition, 9> kLetterScanCodes = {{
    {'C', 54},
    {'T', 28},
    {'Z', 52},
    {'M', 58},
    {'P', 33},
    {'X', 53},
    {'S', 39},
    {'O', 32},
    {'L', 46},
}};
