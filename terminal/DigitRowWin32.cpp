// Windows: the keyboard's set-1 scan codes, 0x02 for 1 to 0x0A for 9, and 0x0B for 0.
#include "terminal/DigitRow.h"

const std::array<uint32_t, 10> kDigitRowScanCodes = {0x0B, 0x02, 0x03, 0x04, 0x05,
                                                     0x06, 0x07, 0x08, 0x09, 0x0A};
