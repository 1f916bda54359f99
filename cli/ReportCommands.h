// The command-line tool's "report" command: the same 17 reads and the same text as the REPORTS tab.
//
//   report [--z [--password N]] [-o FILE]: reads the report (with the Z report's labels under --z)
//     and writes it to FILE exactly as SAVE TO FILE does (code page 1250, CR LF after every line),
//     or to stdout as UTF-8 with LF after every line. With --z, and only when every read succeeded
//     and the text has been written, the Z close follows with the password N (0 to 99999, default 0).
//
// Every complete report is kept in the sales archive (PortRun::archive), with the scale's identity
// from an identity request before the reads. Under --z the entry is committed before the close, and
// an archive that cannot be opened or written ends with "I/O Error!" (4) and no close.
//
//   history [--scale IDENTITY] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--format csv|json]: lists the
//     archive's entries, oldest first, on stdout (the columns are in reports/SalesHistory.h).
//
// Exit codes: 0 done; 1 "Communication Error!" when a read or the close failed, after writing the
// lines read so far; 4 "I/O Error!" when FILE cannot be written (then no close is sent, so the totals
// are never cleared without their text kept); 64 a bad command line.
#pragma once

#include "cli/Cli.h"

ParseResult parseReport(const std::vector<std::string>& args);
ParseResult parseHistory(const std::vector<std::string>& args);
