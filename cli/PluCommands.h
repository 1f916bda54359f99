// The command-line tool's "plu" commands. They run the same record and transfer code as the PLU
// tab; messages go to stderr with the program's own texts.
//
//   plu pull [--from N] [--to N] [-o FILE]: reads PLU 0, PLU 1800 and PLUs N to N as Load From SCALE
//     does, and writes them as a PLU text file to FILE (stdout without -o). Nothing is written when
//     an exchange fails.
//   plu push FILE: loads FILE with the rules of Load From DISK, then sends every row under its own NUM
//     in file order (0x23) and closes the upload (0x27). A bad file is refused before anything is
//     sent.
//
// Exit codes: 0 done, 1 "Communication Error!", 3 a bad input file ("error in input file", or a cell
// that does not convert), 4 "I/O Error!", 64 a range outside 1 to 1799.
#pragma once

#include "cli/Cli.h"

ParseResult parsePlu(const std::vector<std::string>& args);
