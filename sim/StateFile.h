// The scale's memory kept in a file between runs of the emulator: a small binary image with a
// version and a checksum, so that a damaged or foreign file is recognised and left alone.
#pragma once

#include "sim/ScaleState.h"

#include <string>

// False with a reason when the file cannot be read or is not a whole, intact state image; `state`
// is then unchanged.
bool loadStateFile(const std::string& path, ScaleState& state, std::string& reason);
// Writes the file as sim/OutputFile does: through a temporary file renamed over it, so a crash never
// leaves half a file.
bool saveStateFile(const std::string& path, const ScaleState& state, std::string& reason);
