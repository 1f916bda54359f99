// The scale's keypad and displays as the remote terminal reaches them: a small price-computing
// register. Digit keys type a unit price (per kilogram), PLU recalls a stored PLU's price by the
// number typed, <= takes back a digit, C clears, -0- zeroes the platter, -T- tares it, TOT books
// the sale into the report memory, shift toggles the shift indicator. The displays show weight,
// unit price and total.
#pragma once

#include "sim/ScaleState.h"

#include <array>
#include <cstdint>

// Data of the display poll reply (after the status and result bytes): one unused byte, line 1
// (7 characters), one unused byte, line 2, one unused byte, line 3, three decimals bytes and two
// indicator bytes; 29 bytes in all, so that the whole reply body is 31.
constexpr size_t kDisplayDataSize = 29;

void pressKey(ScaleState& state, uint8_t key, int hourOfDay);
std::array<uint8_t, kDisplayDataSize> displayData(const ScaleState& state);
