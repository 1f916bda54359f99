#include "cli/ReportCommands.h"

#include "reports/HistoryWorkbook.h"
#include "reports/SalesHistory.h"
#include "text/CodePage.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <ostream>
#include <unistd.h>
#include <variant>

namespace {

struct ReportRequest {
    bool zClose = false;
    bool force = false;  // close even when the day has been closed today already
    bool dryRun = false; // say whether a close would be sent, send none and write nothing
    uint32_t password = 0;
    std::string outPattern;
};

int ioError(PortRun& run, const QString& reason = QString()) {
    run.err << "I/O Error!\n";
    if (!reason.isEmpty())
        run.err << '(' << reason.toStdString() << ")\n";
    return kExitIoError;
}

// The text where it was asked for: with -o the report file's bytes (also for "-o -"), else UTF-8
// lines for the terminal.
int writeText(PortRun& run, const std::string& outPattern, const QStringList& lines) {
    if (!outPattern.empty())
        return writeOutput(run, outputPath(outPattern, run.portName), reports::reportFileBytes(lines));
    for (const QString& line : lines)
        run.out << line.toStdString() << '\n';
    run.out.flush();
    return run.out ? kExitOk : ioError(run);
}

// Every figure by its column name in the archive, amounts in hundredths.
QJsonObject figuresObject(const store::ReportFigures& figures) {
    QJsonObject object;
    size_t column = 0;
    store::forEachFigure(figures, [&object, &column](const store::FigureColumn&, int64_t value) {
        object[store::figureColumns()[column++].first] = qint64(value);
    });
    return object;
}

// Whether this scale on this port closed its day today and has booked nothing since: a second Z
// would only add an empty close (and a cron job that runs twice must not). None, with `error` set,
// when the archive cannot be read.
std::optional<bool> alreadyClosedToday(store::SalesArchive& archive, const QString& identity,
                                       const QString& port, const QString& pc,
                                       const reports::ReportTotals& totals, QString* error) {
    if (!totals.empty())
        return false;
    std::optional<store::ArchiveEntry> close;
    if (!reports::findLastCloseOn(archive, identity, port, pc, QDate::currentDate(), &close, error))
        return std::nullopt;
    return close.has_value();
}

// The documents a close cleared without their sales ever being read, in the result and on stderr.
void sayClearedUnread(PortRun& run, const std::pair<int32_t, int32_t>& documents) {
    run.result[QLatin1String("cleared_unread")] = QJsonArray{documents.first, documents.second};
    run.err << "The close also cleared documents " << documents.first << " to " << documents.second
            << ", sold after the report was read: their sales were never read.\n";
}

// The Z close after the archived report `id`, verified on the scale, and its outcome noted in the
// archive. A close that went through never ends as an I/O error: a script that retries on one would
// close the next day's first sales.
int closeDay(PortRun& run, store::SalesArchive& archive, const ScaleLine& line, int64_t id,
             const reports::ReportTotals& reported, uint32_t password) {
    const reports::CloseResult close = reports::verifiedCloseZ(line, reported, password);
    const reports::CloseOutcome outcome = close.outcome;
    const bool closed = outcome == reports::CloseOutcome::Closed;
    run.result[QLatin1String("closed")] = closed;
    if (outcome == reports::CloseOutcome::SalesSinceReport) {
        run.err
            << "Sales were made since the report: no close was sent; report --z reads the report again.\n";
        return kExitCommunication;
    }
    if (close.clearedUnread)
        sayClearedUnread(run, *close.clearedUnread);
    QString error;
    // A close whose outcome is unknown is noted as neither: the next reading of the scale settles it.
    const bool known = reports::outcomeKnown(outcome);
    const bool noted = !known || archive.recordClose(id, closed, &error);
    if (known)
        run.result[QLatin1String("noted")] = noted;
    if (!noted) {
        const QString warning =
            QStringLiteral("warning: the close's outcome could not be noted in the sales archive (%1)")
                .arg(error);
        run.err << warning.toStdString() << '\n';
        run.result[QLatin1String("warning")] = warning;
    }
    switch (outcome) {
    case reports::CloseOutcome::Closed:
        return kExitOk;
    case reports::CloseOutcome::NotClosed:
        run.err << "The scale did not close the day: check the password\n";
        return kExitNotClosed;
    case reports::CloseOutcome::Unknown:
        run.err << "The totals read back do not say whether the day was closed: check on the scale (the "
                   "next reading settles it).\n";
        run.result[QLatin1String("unknown")] = true;
        return kExitCommunication;
    default:
        run.result[QLatin1String("unknown")] = true;
        return kExitCommunication;
    }
}

// A close left unknown after the scale's last reading, settled by the totals just read: said on stderr
// and in the result's "settled" (closed true, false, or null while the totals say neither).
void saySettled(PortRun& run, const reports::SettledClose& settled) {
    const std::string which = "An earlier close (document " + std::to_string(settled.document) + ", read " +
                              store::isoTime(settled.readAtLocal) + ")";
    if (!settled.closed)
        run.err << which << " is still unknown: the totals say neither; check on the scale.\n";
    else
        run.err << which << (*settled.closed ? " was carried out" : " was not carried out")
                << " as the totals show.\n";
    run.result[QLatin1String("settled")] =
        QJsonObject{{"document", qint64(settled.document)},
                    {"read_at_local", QString::fromStdString(store::isoTime(settled.readAtLocal))},
                    {"closed", settled.closed ? QJsonValue(*settled.closed) : QJsonValue()}};
}

// Why no Z close goes out now, or empty: an earlier close of today still unknown stops it (the scale
// may have closed the day already), and so does a day closed today with nothing sold since.
std::optional<QString> reasonToSkip(store::SalesArchive* archive, const QString& identity,
                                    const QString& port, const QString& pc,
                                    const reports::ReportTotals& totals,
                                    const std::optional<reports::SettledClose>& settled, QString* error) {
    const QDate today = QDate::currentDate();
    if (settled && !settled->closed && settled->readAtLocal.date() == today)
        return QStringLiteral("earlier close unknown");
    if (!archive)
        return QString();
    const std::optional<bool> closed = alreadyClosedToday(*archive, identity, port, pc, totals, error);
    if (!closed)
        return std::nullopt;
    return *closed ? QStringLiteral("already closed today") : QString();
}

// report --z --dry-run: the identity and the totals read, the close decided as a run would decide it
// over the same archive, nothing sent that changes the scale and nothing written.
int predictClose(PortRun& run, store::SalesArchive* archive, const ScaleLine& line, const QString& identity,
                 const ReportRequest& request) {
    const std::optional<reports::ReportTotals> totals = reports::readReportTotals(line);
    if (!totals)
        return kExitCommunication;
    const QString port = QString::fromStdString(run.portName);
    const QString pc = QString::fromStdString(run.pc);
    QString error;
    std::optional<reports::SettledClose> settled;
    if (archive && !reports::settleLastClose(*archive, identity, port, pc, *totals, false, &settled, &error))
        return ioError(run, error);
    run.result = {{"kind", "Z"}, {"identity", identity}, {"closed", false}, {"dry_run", true}};
    if (settled)
        saySettled(run, *settled);
    const std::optional<QString> skip =
        request.force ? QString() : reasonToSkip(archive, identity, port, pc, *totals, settled, &error);
    if (!skip)
        return ioError(run, error);
    run.result[QLatin1String("would_close")] = skip->isEmpty();
    if (!skip->isEmpty())
        run.result[QLatin1String("skipped")] = *skip;
    run.result[QLatin1String("document")] = totals->docNumber;
    run.result[QLatin1String("grand_total")] = totals->grandTotal;
    return kExitOk;
}

// The archive a dry run reads: none for an SQLite file not made yet (it holds no close), else opened
// read-only.
std::variant<std::unique_ptr<store::SalesArchive>, int> archiveToPredictFrom(PortRun& run) {
    const QString where = QString::fromStdString(run.archive);
    if (!where.startsWith(QLatin1String("postgresql:")) && !QFileInfo::exists(where))
        return std::unique_ptr<store::SalesArchive>();
    QString error;
    std::unique_ptr<store::SalesArchive> archive =
        store::SalesArchive::open(where, &error, store::Database::Access::ReadOnly);
    if (!archive)
        return ioError(run, error);
    return archive;
}

int runReport(PortRun& run, const ReportRequest& request) {
    QString error;
    std::unique_ptr<store::SalesArchive> archive;
    // An archive that cannot be opened fails before the scale is asked anything.
    if (request.dryRun) {
        auto opened = archiveToPredictFrom(run);
        if (const int* code = std::get_if<int>(&opened))
            return *code;
        archive = std::move(std::get<std::unique_ptr<store::SalesArchive>>(opened));
    } else if (!(archive = store::SalesArchive::open(QString::fromStdString(run.archive), &error))) {
        return ioError(run, error);
    }
    const ScaleLine line = reportingLine(run);
    const std::optional<std::string> identity = requestIdentity(line);
    if (!identity)
        return kExitCommunication;
    const QString identityText = fromCp1250(*identity);
    if (request.dryRun)
        return predictClose(run, archive.get(), line, identityText, request);
    QStringList lines;
    QDateTime readAt;
    reports::ReportFigures figures;
    const bool complete = reports::writeReport(
        line, request.zClose ? reports::zReportLabels() : reports::salesReportLabels(),
        [&readAt] { return readAt = QDateTime::currentDateTime(); },
        [&lines](const QString& text) { lines << text; }, &figures);
    const QString port = QString::fromStdString(run.portName);
    const QString pc = QString::fromStdString(run.pc);
    // Before anything else, a close left unknown after the last reading is settled by these totals.
    std::optional<reports::SettledClose> settled;
    if (complete &&
        !reports::settleLastClose(*archive, identityText, port, pc, figures.totals, true, &settled, &error))
        return ioError(run, error);
    if (settled)
        saySettled(run, *settled);
    if (complete && request.zClose && !request.force) {
        const std::optional<QString> skip =
            reasonToSkip(archive.get(), identityText, port, pc, figures.totals, settled, &error);
        if (!skip)
            return ioError(run, error);
        if (!skip->isEmpty()) {
            const bool unknown = *skip == QLatin1String("earlier close unknown");
            run.err << (unknown ? "An earlier close of today is still unknown: no close was sent (--force "
                                  "closes anyway).\n"
                                : "The day was closed today already and nothing has been sold since: no "
                                  "close was sent (--force closes anyway).\n");
            run.result[QLatin1String("kind")] = "Z";
            run.result[QLatin1String("identity")] = identityText;
            run.result[QLatin1String("closed")] = false;
            run.result[QLatin1String("skipped")] = *skip;
            return unknown ? kExitCommunication : kExitOk;
        }
    }
    // A report that read nothing leaves an earlier file of the same name as it was.
    if (int written = lines.isEmpty() ? kExitOk : writeText(run, request.outPattern, lines))
        return written;
    if (!complete)
        return kExitCommunication;
    // The figures are committed before a close is sent: the day's totals are never cleared on the
    // scale without being kept.
    const store::ArchiveEntry entry =
        reports::archiveEntry(figures, request.zClose ? store::ReportKind::Z : store::ReportKind::X,
                              identityText, port, pc, readAt);
    const QJsonObject figuresResult = figuresObject(entry.figures);
    for (auto figure = figuresResult.begin(); figure != figuresResult.end(); ++figure)
        run.result.insert(figure.key(), figure.value());
    run.result[QLatin1String("kind")] = request.zClose ? "Z" : "X";
    run.result[QLatin1String("identity")] = entry.identity;
    run.result[QLatin1String("closed")] = false;
    const std::optional<int64_t> id = archive->store(entry, &error);
    if (!id)
        return ioError(run, error);
    if (!request.zClose)
        return kExitOk;
    return closeDay(run, *archive, line, *id, figures.totals, request.password);
}

constexpr long kLargestPassword = 99999;
const char* const kPasswordVariable = "SCALE_Z_PASSWORD";
const char* const kPasswordRange = "is not a number from 0 to 99999";

// A password taken from a file or the environment: its text is never echoed in a message, only
// where it came from.
std::optional<uint32_t> passwordText(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    const std::optional<long> value = parseNumber(text, 10, 0, kLargestPassword);
    return value ? std::optional<uint32_t>(uint32_t(*value)) : std::nullopt;
}

// The first line of the password file; a bad-input exit code with a message naming the file when
// it cannot be read or holds no password.
std::variant<uint32_t, int> passwordFromFile(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) {
        std::cerr << "scalectl: --password-file " << path << ": "
                  << (file.eof() ? "the file is empty" : std::strerror(errno)) << '\n';
        return kExitBadInput;
    }
    if (const std::optional<uint32_t> password = passwordText(line))
        return *password;
    std::cerr << "scalectl: --password-file " << path << ": the first line " << kPasswordRange << '\n';
    return kExitBadInput;
}

} // namespace

ParseResult parseReport(const std::vector<std::string>& args) {
    ReportRequest request;
    std::optional<std::string> passwordFile;
    bool passwordGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--z") {
            request.zClose = true;
        } else if (args[i] == "--force") {
            request.force = true;
        } else if (args[i] == "--dry-run") {
            request.dryRun = true;
        } else if ((args[i] == "--password" || args[i] == "--password-file" || args[i] == "-o") &&
                   i + 1 >= args.size()) {
            return unexpectedWord("report", args, i + 1);
        } else if (args[i] == "--password") {
            auto value = numberArgument(args[i], args[i + 1], 10, 0, kLargestPassword);
            if (!value)
                return kExitUsage;
            ++i;
            request.password = static_cast<uint32_t>(*value);
            passwordGiven = true;
        } else if (args[i] == "--password-file") {
            passwordFile = args[++i];
        } else if (args[i] == "-o") {
            request.outPattern = args[++i];
        } else {
            return unexpectedWord("report", args, i);
        }
    }
    if ((passwordGiven || passwordFile) && !request.zClose)
        return usageError(passwordGiven ? "report: --password goes with --z"
                                        : "report: --password-file goes with --z");
    if (request.force && !request.zClose)
        return usageError("report: --force goes with --z");
    if (request.dryRun && !request.zClose)
        return usageError("report: --dry-run goes with --z");
    if (request.dryRun && !request.outPattern.empty())
        return usageError("report: --dry-run writes no file");
    if (passwordGiven && passwordFile)
        return usageError("report: --password and --password-file are two passwords");
    if (passwordFile) {
        const std::variant<uint32_t, int> password = passwordFromFile(*passwordFile);
        if (const int* code = std::get_if<int>(&password))
            return *code;
        request.password = std::get<uint32_t>(password);
    } else if (const char* variable = std::getenv(kPasswordVariable);
               request.zClose && !passwordGiven && variable) {
        const std::optional<uint32_t> password = passwordText(variable);
        if (!password) {
            std::cerr << "scalectl: " << kPasswordVariable << ' ' << kPasswordRange << '\n';
            return kExitBadInput;
        }
        request.password = *password;
    }
    return Job{[request](PortRun& run) { return runReport(run, request); }, true, request.outPattern};
}

namespace {

struct HistoryRequest {
    store::HistoryFilter filter;
    bool json = false;
    // The workbook the HISTORY window exports, written to `outPath`.
    bool workbook = false;
    std::string outPath;
};

// The listing as the HISTORY window's workbook: built whole, as the window builds it, then written
// like every other file.
int writeHistoryWorkbook(PortRun& run, store::SalesArchive& archive, const HistoryRequest& request) {
    QString error;
    const std::optional<std::vector<store::ArchiveEntry>> entries = archive.entries(request.filter, &error);
    if (!entries)
        return ioError(run, error);
    const std::optional<QByteArray> workbook = reports::historyWorkbook(*entries, &error);
    if (!workbook)
        return ioError(run, error);
    return writeOutput(run, request.outPath, *workbook);
}

int runHistory(PortRun& run, const HistoryRequest& request) {
    QString error;
    // A listing only reads: a mistyped name makes no new empty archive, and a copy on read-only
    // media or a role that may only read lists as well.
    std::unique_ptr<store::SalesArchive> archive = store::SalesArchive::open(
        QString::fromStdString(run.archive), &error, store::Database::Access::ReadOnly);
    if (!archive)
        return ioError(run, error);
    if (request.workbook)
        return writeHistoryWorkbook(run, *archive, request);
    if (run.json) {
        // The entries as history --format json lists them, in --format json's result.
        QJsonArray entries;
        if (!archive->forEachEntry(request.filter, &error, [&entries](const store::ArchiveEntry& entry) {
                entries.append(reports::historyObject(entry));
                return true;
            }))
            return ioError(run, error);
        run.result = {{"entries", entries}};
        return kExitOk;
    }
    // Written as read, a block at a time: years of closes never sit in memory.
    reports::HistoryListing listing(request.json ? reports::HistoryListing::Format::Json
                                                 : reports::HistoryListing::Format::Csv);
    std::string block;
    listing.begin(block);
    const bool read = archive->forEachEntry(request.filter, &error, [&](const store::ArchiveEntry& entry) {
        listing.add(block, entry);
        if (block.size() >= 64 * 1024) {
            run.out.write(block.data(), std::streamsize(block.size()));
            block.clear();
        }
        return bool(run.out);
    });
    if (!read)
        return ioError(run, error);
    listing.end(block);
    run.out.write(block.data(), std::streamsize(block.size()));
    run.out.flush();
    return run.out ? kExitOk : ioError(run);
}

std::optional<QDate> parseDay(const std::string& text) {
    const QDate day = QDate::fromString(QString::fromStdString(text), QStringLiteral("yyyy-MM-dd"));
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

} // namespace

ParseResult parseHistory(const std::vector<std::string>& args) {
    HistoryRequest request;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (!hasValue)
            return kExitUsage;
        const std::string& value = args[++i];
        if (args[i - 1] == "--scale") {
            request.filter.identity = QString::fromLocal8Bit(value);
        } else if (args[i - 1] == "--from" || args[i - 1] == "--to") {
            const std::optional<QDate> day = parseDay(value);
            if (!day)
                return kExitUsage;
            (args[i - 1] == "--from" ? request.filter.from : request.filter.to) = *day;
        } else if (args[i - 1] == "--format" && (value == "csv" || value == "json" || value == "xlsx")) {
            request.json = value == "json";
            request.workbook = value == "xlsx";
        } else if (args[i - 1] == "-o") {
            request.outPath = value;
        } else {
            return kExitUsage;
        }
    }
    if (request.workbook && request.outPath.empty())
        return usageError("history: --format xlsx needs -o FILE");
    // A workbook is a zip archive: on a terminal it is only noise, and may leave the terminal in a
    // state its user must repair.
    if (request.workbook && !namesOutputFile(request.outPath) && isatty(STDOUT_FILENO))
        return usageError("history: --format xlsx is not written to a terminal: name a file with -o");
    if (!request.workbook && !request.outPath.empty())
        return usageError("history: -o goes with --format xlsx");
    return Job{[request](PortRun& run) { return runHistory(run, request); }, false, {}};
}
