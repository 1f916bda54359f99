// The logo's upload with command 0x24: the row count at logo offset 0, then each row of 48 bytes at
// offset 1 + 48 × y, read from the picture as it is shown. Shared by the logo window and scalectl.
#pragma once

#include "link/Command.h"
#include "logo/LogoPicture.h"

#include <functional>

constexpr uint8_t kWriteLogoCommand = 0x24;

using LogoRow = std::array<uint8_t, kLogoBytesPerRow>;

// Row y of the picture as the scale keeps it: 8 dots a byte, the leftmost in the most significant
// bit, 1 for a black dot (the low bit of each pixel's red level, inverted).
LogoRow logoRow(const QImage& picture, int y);

// Sends the header with the picture's height, then its rows one request each; rowSent(y) after
// row y went through. Stops at the first failed exchange (the runner has reported it): false.
bool sendLogo(const ScaleLine& line, const QImage& picture, const std::function<void(int row)>& rowSent);
