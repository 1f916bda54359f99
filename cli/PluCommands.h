// The command-line tool's "plu" commands. They run the same record and transfer code as the PLU
// tab; messages go to stderr with the program's own texts. Each first reads the scale's identity
// (0x01) and keeps the scale's record in the records database (PortRun::records): every PLU read,
// found absent, or written and acknowledged is recorded as soon as its exchange succeeded.
//
//   plu pull [--from N] [--to N] [-o FILE]: reads PLU 0, PLU 1800 and PLUs N to N as Load From SCALE
//     does, and writes them as a PLU text file to FILE (stdout without -o). Nothing is written when
//     an exchange fails.
//   plu push FILE [--changed]: loads FILE with the rules of Load From DISK, then sends every row under
//     its own NUM in file order (0x23) and closes the upload (0x27). A bad file is refused before
//     anything is sent. --changed sends only the rows whose written fields differ from the scale's
//     record (or that it lacks), and 0x27 only when a row was sent; stderr says "N sent, M current".
//   plu diff FILE [--from N] [--to N]: reads the scale as plu pull does and prints one line per
//     difference with FILE's rows of the same PLUs (PluCompare.h), by PLU number.
//
// Exit codes: 0 done (plu diff: the scale holds what FILE says), 1 "Communication Error!", 3 a bad
// input file ("error in input file", or a cell that does not convert), 4 "I/O Error!" (a file, or
// the records database), 5 plu diff found differences, 64 a range outside 1 to 1799.
#pragma once

#include "cli/Cli.h"

ParseResult parsePlu(const std::vector<std::string>& args);
