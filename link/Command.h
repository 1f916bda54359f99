// One command to the scale over a link, without any user interface: the exchange and the two
// leading reply bytes that every command's reply starts with (the status byte and one byte that is
// not interpreted). The windows and the command-line tool build their own reporting on top of it.
#pragma once

#include "link/FrameLink.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct CommandOutcome {
    bool ok;        // the exchange succeeded
    uint8_t status; // reply byte 0 (decoded even after a failure, from whatever the buffer holds)
};

// The identity request (no payload) and the width of the identity text at reply byte 2.
constexpr uint8_t kIdentityCommand = 0x01;
constexpr uint8_t kIdentityWidth = 32;

// Bit 2 of the status byte: the scale is in calibration mode.
constexpr uint8_t kCalibrationBit = 0x04;

// Sends the request built on a link with the given code; false when the exchange failed (the
// runner has reported it). Afterwards the link's cursor is at reply byte 2.
using CommandRunner = std::function<bool(uint8_t code)>;

// A connection as the UI-free cores see it: the link whose send buffer they fill and whose reply
// they read, and the way one command is sent and its failure reported on it (the main window's
// runCommand on theLink, or the command-line tool's bare command on a link of its own per port).
struct ScaleLine {
    FrameLink& link;
    CommandRunner runCommand;
};

// transact, then the status byte and the byte after it; afterwards the cursor is at reply byte 2.
CommandOutcome performCommand(FrameLink& link, uint8_t code);

// The link with performCommand as its runner: a failure is only returned, never reported.
ScaleLine quietLine(FrameLink& link);

// The identity request through the line: the scale's identity, or nothing when the exchange failed
// (the line's runner has reported it).
std::optional<std::string> requestIdentity(const ScaleLine& line);
