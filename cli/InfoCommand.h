// scalectl info: what a fleet inventory wants from each scale, in two exchanges: the identity (0x01)
// with the status byte, and the clock (0x03) with its difference from the PC's.
//
//   info: prints "identity: ...", "status: XX" followed by the names of its set bits
//     ("calibration" for bit 2, "bit0" ... for the bits without a meaning), "clock: dd-mm-yy hh:mm:ss"
//     and "clock difference: N s" (scale minus PC; "none" when the clock holds no valid date).
//
// Exit codes: 0 done, 1 "Communication Error!".
#pragma once

#include "cli/Cli.h"

ParseResult parseInfo(const std::vector<std::string>& args);
