// The command-line tool's "settings" and "clock" commands, over the same settings core as the
// SETTINGS tab; messages go to stderr with the program's own texts.
//
//   settings pull [-o FILE]: the 54 exchanges of LOAD FROM SCALE, then the 80-line settings file as
//     SAVE TO DISK writes it, to FILE (stdout without -o). Nothing is written when an exchange fails.
//   settings push FILE [--rate R]: FILE read as LOAD FROM DISK reads it, every value converted before
//     the first exchange, then the 54 exchanges of SEND TO SCALE. The rate is not in the file: R (a
//     decimal number in the regional notation) when given, else the scale's own rate, read first.
//   settings push FILE --changed [--rate R]: reads the scale's settings first (LOAD FROM SCALE's 54
//     exchanges) and sends FILE only when a setting differs; the differences as settings diff
//     prints them.
//   settings diff FILE [--rate R]: reads the scale's settings and prints one line per setting that
//     differs from FILE's, "NAME<TAB>SCALE<TAB>FILE" (values as JSON); the rate is compared only
//     with --rate. Sends nothing.
//   clock get: the scale's clock as "dd-mm-yy hh:mm:ss".
//   clock set [--time "dd-mm-yy hh:mm:ss"]: sets the scale's clock to that time, or to the PC's now.
//
// Exit codes: 0 done, 1 "Communication Error!", 3 a bad input file or value, 4 "I/O Error!" (a file
// that cannot be opened or written), 5 settings diff found differences, 64 a malformed command line.
#pragma once

#include "cli/Cli.h"
#include "settings/ClockTime.h"

ParseResult parseSettings(const std::vector<std::string>& args);
ParseResult parseClock(const std::vector<std::string>& args);

// A clock's JSON result: "time" as ISO 8601 text of the fields as they are (an impossible date stays
// as the scale holds it), "bytes" as on the wire, and "difference", the clock minus pcNow in seconds
// (null when the fields make no date).
QJsonObject clockResult(const HeldTime& time, const QDateTime& pcNow);
