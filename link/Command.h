// One command to the scale over a link, without any user interface: the exchange and the two
// leading reply bytes that every command's reply starts with (the status byte and one byte that is
// not interpreted). The windows and the command-line tool build their own reporting on top of it.
#pragma once

#include "link/FrameLink.h"

#include <cstdint>

struct CommandOutcome {
    bool ok;        // the exchange succeeded
    uint8_t status; // reply byte 0 (decoded even after a failure, from whatever the buffer holds)
};

// Bit 2 of the status byte: the scale is in calibration mode.
constexpr uint8_t kCalibrationBit = 0x04;

// transact, then the status byte and the byte after it; afterwards the cursor is at reply byte 2.
CommandOutcome performCommand(FrameLink& link, uint8_t code);
