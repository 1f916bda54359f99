// The sales archive as the reports see it: a report sequence's figures turned into an archive entry,
// the listing of entries as CSV or JSON (scalectl history and the HISTORY window's export), and the
// series the HISTORY window draws. UI-free; the window and scalectl share it.
#pragma once

#include "reports/ReportText.h"
#include "store/SalesArchive.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace reports {

// The entry for a complete report read at `readAt` (the PC's local time) by PC `pc` (store::pcName).
store::ArchiveEntry archiveEntry(const ReportFigures& figures, store::ReportKind kind,
                                 const QString& identity, const QString& port, const QString& pc,
                                 const QDateTime& readAt);

// Opens the archive at `where` and commits the entry: its id, or none with `error` set.
std::optional<int64_t> archiveReport(const QString& where, const store::ArchiveEntry& entry, QString* error);
// Records whether the close after Z entry `id` was acknowledged.
bool archiveCloseOutcome(const QString& where, int64_t id, bool acknowledged, QString* error);

// The listing's column names, in order: read_at, identity, port, pc, kind, the figures, then
// read_at_local, reads and close_acknowledged.
QStringList historyColumns();
// The listing, written as the entries are read (scalectl history streams years of closes without
// holding them): a CSV header line, then a line per entry (LF ends, RFC 4180 quoting), or a JSON
// array of objects with the same fields. Machine-readable whatever the locale: read_at in ISO 8601
// UTC, amounts with two decimals, counts as integers, close_acknowledged as 1, 0 or empty (null in
// JSON). Texts go out safe for a spreadsheet (no control characters, no formula). The separator and
// the decimal mark of the CSV are parameters for a spreadsheet's regional convention.
class HistoryListing {
public:
    enum class Format { Csv, Json };
    explicit HistoryListing(Format format, char separator = ',', char decimalMark = '.');

    // The text before the first entry, each entry's, and the text after the last, appended to `out`
    // (which the caller writes out and empties as it likes).
    void begin(std::string& out) const;
    void add(std::string& out, const store::ArchiveEntry& entry);
    void end(std::string& out) const;

private:
    void appendText(std::string& out, std::string_view text) const;
    void appendText(std::string& out, const QString& text) const;
    void appendTime(std::string& out, const QDateTime& time, bool utc) const;
    void appendAmount(std::string& out, int64_t hundredths) const;

    Format format;
    char separator;
    char decimalMark;
    std::vector<std::string> columns;
    size_t rows = 0;
};

// The whole listing of `entries` at once (the HISTORY window's export); the CSV in a spreadsheet's
// regional convention takes that separator and decimal mark.
QByteArray historyCsv(const std::vector<store::ArchiveEntry>& entries, char separator = ',',
                      char decimalMark = '.');
QByteArray historyJson(const std::vector<store::ArchiveEntry>& entries);
// One entry as the listing's JSON object (scalectl --format json's result), built directly.
QJsonObject historyObject(const store::ArchiveEntry& entry);

// The totals part of archived figures, as the scale's report memory holds them.
ReportTotals totalsOf(const store::ReportFigures& figures);

// The close after a scale's last archived entry, when nothing said whether the scale carried it out.
struct SettledClose {
    int64_t id = 0;
    int64_t document = 0;
    QDateTime readAtLocal;
    std::optional<bool> closed; // as the totals read now settle it (settleClose); none: still unknown
};

// Settles the close after the last entry of scale `identity` on `port` of PC `pc` when it is left
// unknown, by the totals `now` just read from the scale (settleClose), and notes the outcome unless
// `note` is false (a dry run writes nothing). Only the last entry: a later reading had its chance to
// settle an earlier one. False with `error` set when the archive cannot be read or written; `settled`
// holds the close looked at, if any.
bool settleLastClose(store::SalesArchive& archive, const QString& identity, const QString& port,
                     const QString& pc, const ReportTotals& now, bool note,
                     std::optional<SettledClose>* settled, QString* error);
// The same on the archive at `where`.
bool settleLastClose(const QString& where, const QString& identity, const QString& port, const QString& pc,
                     const ReportTotals& now, std::optional<SettledClose>* settled, QString* error);

// The last Z close in `entries` that scale `identity` on `port` of PC `pc` read back as done on the local
// day `day`, when there is one.
std::optional<store::ArchiveEntry> lastCloseOn(const std::vector<store::ArchiveEntry>& entries,
                                               const QString& identity, const QString& port,
                                               const QString& pc, QDate day);
// The same looked up in the archive (the day's entries of that scale, totals only): false with `error`
// set when it cannot be read.
bool findLastCloseOn(store::SalesArchive& archive, const QString& identity, const QString& port,
                     const QString& pc, QDate day, std::optional<store::ArchiveEntry>* close, QString* error);

// The sales per local day, in day order, each scale (identity, port and PC) counted once: its Z closes
// read back as done that day, added up (each clears what the one before left), and with them any close
// of that day still unknown (its figures left the scale or are still on it: either way they are the
// day's, and a later close must not stand for them); a scale without a close done that day counts its
// last reading of the day (an X report, or a Z report whose close was refused, unknown or never sent),
// which already holds every earlier one. Readings are never added to a close, nor to each other.
std::vector<std::pair<QDate, int64_t>> dailyTotals(const std::vector<store::ArchiveEntry>& entries);

} // namespace reports
