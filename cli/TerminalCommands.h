// The command-line tool's remote terminal commands, over the same keypad and display code as the
// terminal window.
//
//   display: one display poll (0x42); prints display lines 1 to 3, each its seven characters with
//     the locale's decimal separator before the last d of them (d the line's decimals, 1 to 7),
//     then the names of the indicators that are on, in the panel's order, separated by one blank
//     (an empty line when none is on). Nothing is printed when the exchange fails.
//   key KEY...: one key press (0x40) per KEY, in order. KEY is a keypad caption ("7", "shift",
//     "-0-", "<=|" ...) or a code written 0x and two hexadecimal digits. Stops at the first failed
//     exchange.
//
// Exit codes: 0 done, 1 "Communication Error!", 64 no KEY or an unknown one (nothing is sent).
#pragma once

#include "cli/Cli.h"

ParseResult parseDisplay(const std::vector<std::string>& args);
ParseResult parseKey(const std::vector<std::string>& args);
