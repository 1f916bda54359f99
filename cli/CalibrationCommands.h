// The command-line tool's "calibration" commands, over the same weighing-parameter code as the
// SYSTEM tab.
//
//   calibration send [--preset NAME] [FIELD=VALUE]...: the tab's SEND (0x41). The fields start at
//     the tab's start values; then the preset (single-6, single-15, single-30, dual-6, dual-15,
//     dual-30, the six buttons in order) applies, wherever it stands on the line; then each
//     assignment in order. FIELD is capacity, interval (e=d=), unit, initial-zero, max-tare,
//     digits, price-round, local-g, destination-g, stable-count, password, lb, dual-interval,
//     comma, one-time-tare or minimum-sale. Spin fields are pulled into their ranges as when the
//     field is left, combo texts are not checked against their lists, wide values keep their low
//     bits, max-tare uses the regional decimal separator; check boxes take 0 or 1.
//
// Exit codes: 0 sent, 1 "Communication Error!", 3 a value that does not convert (its conversion
// message; nothing is sent), 64 an unknown field or preset, a check box other than 0 or 1, or a
// malformed line.
#pragma once

#include "cli/Cli.h"

ParseResult parseCalibration(const std::vector<std::string>& args);
