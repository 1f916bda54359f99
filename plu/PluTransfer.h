// The PLU range transfers between a PLU table and the scale, shared by the PLU tab and the
// command-line tool. The caller supplies what differs between them: the line (which link, and how a
// command is sent and reported) and hooks for how progress is shown and a stop is asked for.
#pragma once

#include "plu/PluRecord.h"

#include <functional>

struct TransferHooks {
    // Before the first exchange: show progress with this maximum and allow the transfer to go on.
    std::function<void(int maximum)> begin;
    // Tested after each exchange of the range: false ends the transfer (STOP).
    std::function<bool()> keepRunning;
    // Between two records of the range: progress position and the PLU number reached. The window
    // lets pending events through here, which is where a STOP click arrives.
    std::function<void(int position, int number)> step;
    // After the transfer however it ended, an exception included: hide progress, refuse to go on.
    std::function<void()> finish;
};

enum class TransferEnd { Completed, Stopped, Failed };

// Reads PLU 0, PLU 1800, then PLUs from to to into the table from row 1 on, without gaps: absent
// PLUs take no row, rows below the last one read keep their contents. from and to lie in 1..1799;
// nothing of the range is read when to < from.
TransferEnd loadFromScale(const ScaleLine& line, PluTable& table, int from, int to,
                          const TransferHooks& hooks);

// Writes row 1, row 1801, then rows 2 to to - from + 3, each under its own NUM, skipping rows without
// a price; then closes the upload (0x27) whatever happened, except after a ConversionError, which
// propagates with the rows before it sent and the upload left open.
TransferEnd saveToScale(const ScaleLine& line, const PluTable& table, int from, int to,
                        const TransferHooks& hooks);

// Writes rows 1 to rowCount in table order, then closes the upload like saveToScale.
TransferEnd saveRowsInOrder(const ScaleLine& line, const PluTable& table, int rowCount,
                            const TransferHooks& hooks);
