// The command-line tool's "report" command: the same 17 reads and the same text as the REPORTS tab.
//
//   report [--z [--password-file FILE | --password N] [--force]] [-o FILE]: reads the report (with
//     the Z report's labels under --z) and writes it to FILE exactly as SAVE TO FILE does (code page
//     1250, CR LF after every line), or to stdout as UTF-8 with LF after every line. With --z, and
//     only when every read succeeded and the text has been written, the Z close follows with the
//     password: the first line of FILE, else N, else the environment's SCALE_Z_PASSWORD, else 0
//     (0 to 99999). A command line is visible to every user of the machine; the file and the
//     environment are not.
//
// The close is verified on the scale: the totals are read again first, and a sale booked since the
// report stops it (nothing is sent, exit 1); they are read once more after it and judged by the
// figures (reports::judgeReadBack): cleared, or holding only sales made after the close, is done (0);
// exactly as before is refused (exit 6, "The scale did not close the day: check the password"), a day
// without sales too; anything else is unknown (exit 1, "check on the scale"), left open in the
// archive and settled by the scale's next reading. A cleared day whose document number moved by more
// than the close names the documents cleared unread (stderr, and "cleared_unread": [first, last]).
// On the wire: 17 reads, the totals, the close, the totals.
//
// Every reading (report, report --z) first settles a close left unknown after the scale's last
// archived entry, by the totals it read: no longer holding the entry's figures is closed, still
// holding them (the same or grown) is not ("settled" in the result).
//
// One Z a day: when the archive holds a close of this scale on this port read back as done today and
// the scale's totals are 0, --z sends no close, writes no file, keeps nothing and ends with 0 and a
// line saying so; an earlier close of today that is still unknown stops it too (exit 1); --force
// closes anyway.
//
//   report --z --dry-run [--force]: reads the identity and the totals, settles nothing, writes
//     nothing, sends no close, and says in "would_close" (and "skipped") whether report --z would
//     send one, judged over the same archive (an SQLite file not made yet holds no close).
//
// Every complete report is kept in the sales archive (PortRun::archive), with the scale's identity
// from an identity request before the reads. Under --z the entry is committed before the close, and
// an archive that cannot be opened or written ends with "I/O Error!" (4) and no close. Once a close
// has gone through, an archive that cannot note it is a warning on stderr (and "noted": false in the
// result), never 4: a script that retries on 4 would close again.
//
//   history [--scale IDENTITY] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--format csv|json]: lists the
//     archive's entries, oldest first, on stdout (the columns are in reports/SalesHistory.h).
//
// Exit codes: 0 done; 1 "Communication Error!" when a read or the close failed, after writing the
// lines read so far, or sales made since the report; 3 a password file or SCALE_Z_PASSWORD without a
// password; 4 "I/O Error!" when FILE cannot be written (then no close is sent, so the totals are never
// cleared without their text kept); 6 the scale did not close its day; 64 a bad command line.
#pragma once

#include "cli/Cli.h"

ParseResult parseReport(const std::vector<std::string>& args);
ParseResult parseHistory(const std::vector<std::string>& args);
