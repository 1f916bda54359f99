// The sales archive as the reports see it: a report sequence's figures turned into an archive entry,
// the listing of entries as CSV or JSON (scalectl history and the HISTORY window's export), and the
// series the HISTORY window draws. UI-free; the window and scalectl share it.
#pragma once

#include "reports/ReportText.h"
#include "store/SalesArchive.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace reports {

// The entry for a complete report read at `readAt` (the PC's local time).
store::ArchiveEntry archiveEntry(const ReportFigures& figures, store::ReportKind kind,
                                 const QString& identity, const QString& port, const QDateTime& readAt);

// Opens the archive at `where` and commits the entry: its id, or none with `error` set.
std::optional<int64_t> archiveReport(const QString& where, const store::ArchiveEntry& entry, QString* error);
// Records whether the close after Z entry `id` was acknowledged.
bool archiveCloseOutcome(const QString& where, int64_t id, bool acknowledged, QString* error);

// The listing's column names, in order: read_at, identity, port, kind, the figures, then
// read_at_local, reads and close_acknowledged.
QStringList historyColumns();
// An entry's values in those columns as UTF-8, machine-readable whatever the locale: read_at in ISO
// 8601 UTC, amounts with a point and two decimals, counts as integers, close_acknowledged as 1, 0 or
// empty.
std::vector<std::string> historyValues(const store::ArchiveEntry& entry);

// The listing as CSV (a header line, then a line per entry, LF ends, RFC 4180 quoting) or as a JSON
// array of objects with the same fields (amounts and counts as numbers). The CSV's separator and
// decimal mark follow a spreadsheet's regional convention (a comma desktop: ';' and ',').
QByteArray historyCsv(const std::vector<store::ArchiveEntry>& entries, char separator = ',',
                      char decimalMark = '.');
QByteArray historyJson(const std::vector<store::ArchiveEntry>& entries);

// The grand total per local day over the Z entries (the day's closes, all scales added), in day
// order; when there are no Z entries, over the X entries instead.
std::vector<std::pair<QDate, int64_t>> dailyTotals(const std::vector<store::ArchiveEntry>& entries);

} // namespace reports
