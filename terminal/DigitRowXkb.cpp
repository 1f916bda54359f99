// X11 and Wayland: the XKB key codes (the kernel's key codes plus 8), 10 for 1 to 18 for 9, and 19
// for 0.
#include "terminal/DigitRow.h"

const std::array<uint32_t, 10> kDigitRowScanCodes = {19, 10, 11, 12, 13, 14, 15, 16, 17, 18};
