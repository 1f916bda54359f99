// The main keyboard's digit row by the platform's key scan codes (QKeyEvent::nativeScanCode).
// Qt names a key by the character it types, so Shift with 1 arrives as "!" and an AZERTY layout's
// unshifted 1 as "&"; the scan code names the key itself, as the scale's keypad map wants it.
#pragma once

#include <array>
#include <cstdint>

// Indexed by the digit: the scan code of the key that types it in the row above the letters.
extern const std::array<uint32_t, 10> kDigitRowScanCodes;
