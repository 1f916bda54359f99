// Keys of the main keyboard by their place, through the platform's key scan codes
// (QKeyEvent::nativeScanCode). Qt names a key by the character it types: Shift with 1 arrives as
// "!", an AZERTY layout's unshifted 1 as "&", and under a Cyrillic or Greek layout the letter keys
// arrive as that layout's letters. The scan code names the key itself, as the scale's keypad map
// wants it.
#pragma once

#include <array>
#include <cstdint>

// Indexed by the digit: the scan code of the key that types it in the row above the letters.
extern const std::array<uint32_t, 10> kDigitRowScanCodes;

// The letter keys the keypad map names, by the place they have on a Latin (QWERTY) keyboard.
struct LetterKeyPosition {
    char letter;
    uint32_t scanCode;
};
extern const std::array<LetterKeyPosition, 9> kLetterScanCodes;
