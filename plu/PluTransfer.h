// The PLU range transfers between a PLU table and the scale, shared by the PLU tab and the
// command-line tool. The caller supplies what differs between them: the line (which link, and how a
// command is sent and reported) and hooks for how progress is shown and a stop is asked for.
#pragma once

#include "plu/PluRecord.h"

#include <functional>
#include <map>
#include <vector>

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

    // The scale's record, when one is kept (both empty otherwise). unsure: a write of this PLU is
    // about to go out, so what the scale holds is unknown until it is acknowledged. proved: an
    // exchange has just shown what the scale holds (a row read, a PLU read as absent, a row written
    // and acknowledged). False from either: the record could not be saved, and the transfer ends.
    std::function<bool(uint16_t plu)> unsure;
    std::function<bool(const PluImage& image)> proved;
};

enum class TransferEnd { Completed, Stopped, Failed, RecordFailed };

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

// Writes the given rows in order, then closes the upload like saveToScale; sends nothing at all
// when the list is empty.
TransferEnd saveRows(const ScaleLine& line, const PluTable& table, const std::vector<int>& rows,
                     const TransferHooks& hooks);

// The rows in use among `order` that decide what the scale ends up with when `order` is written:
// for each PLU number, the last row that carries it. PLU number -> where it stands in `order`, its
// row and its image. Throws ConversionError for a row that a write could not convert.
struct DecidingRow {
    size_t position;
    int row;
    QByteArray fields;
};
std::map<int, DecidingRow> decidingRows(const PluTable& table, const std::vector<int>& order);

// The rows that a price update sends, of those decidingRows gave: those whose image differs from
// what `known` (the scale's record: PLU -> fields, empty for absent) says the scale holds, or that it
// lacks, in the order of their positions. `current` counts the PLUs that are already as the table
// says.
std::vector<int> changedRows(const std::map<int, DecidingRow>& deciding,
                             const std::map<int, QByteArray>& known, int* current);

// Reads the PLUs `plus` one by one and puts what the scale holds of each into `found` (PLU ->
// fields, empty for absent); hooks.proved keeps the record of every read.
TransferEnd readPlus(const ScaleLine& line, const std::vector<int>& plus, const TransferHooks& hooks,
                     std::map<int, QByteArray>& found);

// How a price update checks the scale rather than trusting its record. None: the record decides
// and nothing is read. Written: the rows sent are read back afterwards. All: the file's PLUs are
// read first and every one that differs is sent, whatever the record says (a price changed at the
// counter, a scale reset or swapped under the same identity).
enum class PluVerify { None, Written, All };

struct PriceUpdate {
    TransferEnd end = TransferEnd::Completed;
    // The PLUs sent (or that would be, for a dry run), in the order sent; how many were current.
    std::vector<int> sent;
    int current = 0;
    // Written: the PLUs whose read-back differs from what was sent.
    std::vector<int> notStuck;
};

// The changed-only price update of the rows `order` (decidingRows of them in `deciding`): the rows
// that differ from what the scale holds are sent; with PluVerify::All what it holds is read from the
// scale, otherwise `known` (the scale's record: PLU -> fields, empty for absent; when nothing is
// known every row of `order` is sent). A dry run decides exactly as the real run but sends nothing
// and reads nothing.
PriceUpdate updatePrices(const ScaleLine& line, const PluTable& table, const std::vector<int>& order,
                         const std::map<int, DecidingRow>& deciding, const std::map<int, QByteArray>& known,
                         PluVerify verify, bool dryRun, const TransferHooks& hooks);

// The rows Save To SCALE writes, in its order: row 1, row 1801, then rows 2 to to - from + 3.
std::vector<int> saveToScaleOrder(int from, int to);
