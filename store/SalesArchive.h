// The sales archive: every report the utility reads from a scale, kept as numbers in the utility's
// database, so that a Z close that clears the day's totals on the scale never clears them for good.
// One entry per report read: when (UTC and the PC's local time), from which scale and port, X (a
// report) or Z (the report before a close), and every figure of the report memory. Amounts are whole
// hundredths; nothing here is floating point.
//
// A report read twice (same scale, same kind, same document number, same figures) stays one entry
// that keeps its first read time and counts its reads.
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

// Each figure in the archive's column order, with its column name and whether it is an amount (in
// hundredths) or a count. One list serves the table, the queries and every export.
void forEachFigure(ReportFigures& figures,
                   const std::function<void(const QString& column, bool amount, int64_t& value)>& visit);
// The figures' column names in that order, and which of them are amounts.
const std::vector<std::pair<QString, bool>>& figureColumns();

enum class ReportKind { X, Z };

struct ArchiveEntry {
    QDateTime readAt;      // the moment of reading, in UTC
    QDateTime readAtLocal; // the same moment in the PC's local time, as the shop counts its days
    QString identity;
    QString port;
    ReportKind kind = ReportKind::X;
    ReportFigures figures;
    int reads = 1;
    // For a Z entry, whether the scale acknowledged the close that followed; none for X or while the
    // close has not been answered.
    std::optional<bool> closeAcknowledged;
};

// Which entries a listing takes: one scale (all when empty), and the local days from..to (either
// open when invalid).
struct HistoryFilter {
    QString identity;
    QDate from;
    QDate to;
};

class SalesArchive {
public:
    // Opens the database at `where` (an SQLite file or a postgresql:// address) and brings the
    // archive's tables up to date. Null with `error` set when either fails.
    static std::unique_ptr<SalesArchive> open(const QString& where, QString* error);

    // The archive's migration steps for `db`'s engine, oldest first.
    static QList<QStringList> migrationSteps(bool postgres);

    // Commits `entry`, or counts one more read of the same report: the entry's id, none with `error`
    // set when it could not be committed.
    std::optional<int64_t> store(const ArchiveEntry& entry, QString* error);
    // Records the answer to the close that followed Z entry `id`.
    bool recordClose(int64_t id, bool acknowledged, QString* error);
    // The entries the filter takes, oldest first; none with `error` set when they cannot be read.
    std::optional<std::vector<ArchiveEntry>> entries(const HistoryFilter& filter, QString* error);

    Database& database() { return *db; }

private:
    explicit SalesArchive(std::unique_ptr<Database> db) : db(std::move(db)) {}
    std::unique_ptr<Database> db;
};

} // namespace store
