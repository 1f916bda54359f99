// The scale's logo memory written out as a PBM picture, so an upload can be looked at.
#pragma once

#include "sim/ScaleState.h"

#include <string>

// Binary PBM (P4), 384 dots wide, as many rows as the header byte says (at most 250). The logo's
// rows are already PBM rows: 8 dots a byte, leftmost dot in the high bit, 1 is black.
// Written as sim/OutputFile does; false with the reason when it could not be.
bool writeLogoPbm(const std::string& path, const std::array<uint8_t, kLogoSize>& logo, std::string& reason);
