// The sales archive: every report the utility reads from a scale, kept as numbers in the utility's
// database, so that a Z close that clears the day's totals on the scale never clears them for good.
// One entry per report read: when (UTC and the PC's local time), from which scale and port, X (a
// report) or Z (the report before a close), and every figure of the report memory. Amounts are whole
// hundredths; nothing here is floating point.
//
// A report read twice (same scale, same kind, same document number, same figures) stays one entry
// that keeps its first read time and counts its reads. A scale is its identity (a model's text,
// shared by every scale of the model), the port as named and the PC that reads it.
#pragma once

#include "store/Database.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

constexpr int kArchiveTaxes = 9;
constexpr int kArchiveHours = 24;
constexpr int kArchiveClerks = 4;

struct ClerkFigures {
    int64_t sales = 0;
    int64_t operations = 0;
    int64_t cancelTotal = 0;
    int64_t cancelCount = 0;
    int64_t clients = 0;
    int64_t cash = 0;
    int64_t credit = 0;
    int64_t discountCount = 0;
    int64_t discountTotal = 0;

    bool operator==(const ClerkFigures&) const = default;
};

// Every figure of one report, as read.
struct ReportFigures {
    int64_t document = 0;
    int64_t grandTotal = 0;
    std::array<int64_t, kArchiveTaxes> taxes{};
    std::array<int64_t, kArchiveHours> hourAmounts{};
    std::array<int64_t, kArchiveHours> hourCounts{};
    std::array<ClerkFigures, kArchiveClerks> clerks{};

    bool operator==(const ReportFigures&) const = default;
};

// A figure's column: prefix, number (none when negative) and suffix make its name ("tax3",
// "hour9_count", "clerk2_cash"); an amount is in hundredths, every other figure a count.
struct FigureColumn {
    const char* prefix;
    int number;
    const char* suffix;
    bool amount;
};

// Visits each figure of `figures` (a ReportFigures, const or not) in the archive's column order with
// its column. One list serves the table, the queries and every export.
template <typename Figures, typename Visit> void forEachFigure(Figures& figures, Visit&& visit) {
    visit(FigureColumn{"document", -1, "", false}, figures.document);
    visit(FigureColumn{"grand_total", -1, "", true}, figures.grandTotal);
    for (int n = 0; n < kArchiveTaxes; ++n)
        visit(FigureColumn{"tax", n + 1, "", true}, figures.taxes[size_t(n)]);
    for (int h = 0; h < kArchiveHours; ++h)
        visit(FigureColumn{"hour", h, "_amount", true}, figures.hourAmounts[size_t(h)]);
    for (int h = 0; h < kArchiveHours; ++h)
        visit(FigureColumn{"hour", h, "_count", false}, figures.hourCounts[size_t(h)]);
    for (int n = 0; n < kArchiveClerks; ++n) {
        auto& c = figures.clerks[size_t(n)];
        visit(FigureColumn{"clerk", n + 1, "_sales", true}, c.sales);
        visit(FigureColumn{"clerk", n + 1, "_operations", false}, c.operations);
        visit(FigureColumn{"clerk", n + 1, "_cancel_total", true}, c.cancelTotal);
        visit(FigureColumn{"clerk", n + 1, "_cancel_count", false}, c.cancelCount);
        visit(FigureColumn{"clerk", n + 1, "_clients", false}, c.clients);
        visit(FigureColumn{"clerk", n + 1, "_cash", true}, c.cash);
        visit(FigureColumn{"clerk", n + 1, "_credit", true}, c.credit);
        visit(FigureColumn{"clerk", n + 1, "_discount_count", false}, c.discountCount);
        visit(FigureColumn{"clerk", n + 1, "_discount_total", true}, c.discountTotal);
    }
}

// This PC as the archive names it: the host name, after the chain's site name when one is set
// ("SHOP 12/till-2"), so that PCs of one name in two shops stay apart on a shared server.
QString pcName(const QString& site);

// The figures' column names in that order, and which of them are amounts.
const std::vector<std::pair<QString, bool>>& figureColumns();

enum class ReportKind { X, Z };

struct ArchiveEntry {
    int64_t id = 0;   // the archive's number for the entry, once stored
    QDateTime readAt; // the moment of reading, in UTC
    // The same moment in the PC's local time, as the shop counts its days: its date and time. Read
    // back from the archive, it holds them as written, without a zone.
    QDateTime readAtLocal;
    QString identity;
    QString port; // as named: COM1, /dev/ttyUSB0, socket://host:4001
    // The PC that read it (pcName()): the same port name on two PCs of a chain is two scales.
    QString pc;
    ReportKind kind = ReportKind::X;
    ReportFigures figures;
    int reads = 1;
    // For a Z entry, whether the scale acknowledged the close that followed; none for X or while the
    // close has not been answered.
    std::optional<bool> closeAcknowledged;
};

// Which entries a listing takes: one scale (all when empty), and the local days from..to (either
// open when invalid); or the one entry numbered id (when not 0).
struct HistoryFilter {
    QString identity;
    QDate from;
    QDate to;
    int64_t id = 0;
    // Only Z entries whose close has no outcome noted (settled at the scale's next reading).
    bool unsettledCloses = false;
};

// A time as the archive writes it, "yyyy-MM-ddTHH:mm:ss" (ISO 8601 without a zone), and back as
// UTC or local time (invalid for any other text). A listing formats and parses two per entry, and
// Qt's general date-time parser takes tens of microseconds for each.
std::string isoTime(const QDateTime& time);
void appendIsoTime(std::string& out, const QDateTime& time);
QDateTime fromIsoTime(QStringView text, Qt::TimeSpec zone);
QDateTime fromIsoTime(std::string_view text, Qt::TimeSpec zone);

class SalesArchive {
public:
    // Opens the database at `where` (an SQLite file or a postgresql:// address) and brings the
    // archive's tables up to date. Null with `error` set when either fails. A reader (ReadOnly, for
    // the listings) makes nothing: an archive that does not exist is an error, one that has every
    // step is read without any statement that changes it.
    static std::unique_ptr<SalesArchive> open(const QString& where, QString* error,
                                              Database::Access access = Database::Access::ReadWrite);

    // The archive's migration steps for `db`'s engine, oldest first.
    static QList<QStringList> migrationSteps(bool postgres);

    // Commits `entry`, or counts one more read of the same report: the entry's id, none with `error`
    // set when it could not be committed.
    std::optional<int64_t> store(const ArchiveEntry& entry, QString* error);
    // Records the answer to the close that followed Z entry `id`.
    bool recordClose(int64_t id, bool acknowledged, QString* error);
    // The entries the filter takes, oldest first; none with `error` set when they cannot be read.
    // With Figures::Totals only the document number and grand total of the figures are read, enough
    // for a table of years of closes.
    enum class Figures { All, Totals };
    std::optional<std::vector<ArchiveEntry>> entries(const HistoryFilter& filter, QString* error,
                                                     Figures figures = Figures::All);
    // The same entries one at a time, as they are read, without holding them: `visit` returns false
    // to stop. False with `error` set when they cannot be read (after some were visited, perhaps).
    bool forEachEntry(const HistoryFilter& filter, QString* error,
                      const std::function<bool(const ArchiveEntry&)>& visit, Figures figures = Figures::All);

    Database& database() { return *db; }

private:
    explicit SalesArchive(std::unique_ptr<Database> db) : db(std::move(db)) {}
    std::unique_ptr<Database> db;
};

} // namespace store
