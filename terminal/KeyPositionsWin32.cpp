// Windows: the keyboard's set-1 scan codes. Digit row: 0x02 for 1 to 0x0A for 9, and 0x0B for 0.
#include "terminal/KeyPositions.h"

const std::array<uint32_t, 10> kDigitRowScanCodes = {0x0B, 0x02, 0x03, 0x04, 0x05,
                                                     0x06, 0x07, 0x08, 0x09, 0x0A};

const std::array<LetterKeyPosition, 9> kLetterScanCodes = {{
    {'C', 0x2E},
    {'T', 0x14},
    {'Z', 0x2C},
    {'M', 0x32},
    {'P', 0x19},
    {'X', 0x2D},
    {'S', 0x1F},
    {'O', 0x18},
    {'L', 0x26},
}};
