#include "cli/ReportCommands.h"

#include "reports/SalesHistory.h"
#include "text/CodePage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <ostream>

namespace {

struct ReportRequest {
    bool zClose = false;
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

int runReport(PortRun& run, const ReportRequest& request) {
    QString error;
    // An archive that cannot be opened fails before the scale is asked anything.
    std::unique_ptr<store::SalesArchive> archive =
        store::SalesArchive::open(QString::fromStdString(run.archive), &error);
    if (!archive)
        return ioError(run, error);
    const ScaleLine line = reportingLine(run);
    const std::optional<std::string> identity = requestIdentity(line);
    if (!identity)
        return kExitCommunication;
    QStringList lines;
    QDateTime readAt;
    reports::ReportFigures figures;
    const bool complete = reports::writeReport(
        line, request.zClose ? reports::zReportLabels() : reports::salesReportLabels(),
        [&readAt] { return readAt = QDateTime::currentDateTime(); },
        [&lines](const QString& text) { lines << text; }, &figures);
    // A report that read nothing leaves an earlier file of the same name as it was.
    if (int written = lines.isEmpty() ? kExitOk : writeText(run, request.outPattern, lines))
        return written;
    if (!complete)
        return kExitCommunication;
    // The figures are committed before a close is sent: the day's totals are never cleared on the
    // scale without being kept.
    const store::ArchiveEntry entry =
        reports::archiveEntry(figures, request.zClose ? store::ReportKind::Z : store::ReportKind::X,
                              fromCp1250(*identity), QString::fromStdString(run.portName), readAt);
    run.result = figuresObject(entry.figures);
    run.result[QLatin1String("kind")] = request.zClose ? "Z" : "X";
    run.result[QLatin1String("identity")] = entry.identity;
    run.result[QLatin1String("closed")] = false;
    const std::optional<int64_t> id = archive->store(entry, &error);
    if (!id)
        return ioError(run, error);
    if (!request.zClose)
        return kExitOk;
    const bool closed = reports::closeZ(line, request.password);
    run.result[QLatin1String("closed")] = closed;
    // A close that failed is the line's failure, whether or not that could be noted.
    if (!archive->recordClose(*id, closed, &error) && closed)
        return ioError(run, error);
    return closed ? kExitOk : kExitCommunication;
}

} // namespace

ParseResult parseReport(const std::vector<std::string>& args) {
    ReportRequest request;
    bool passwordGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--z") {
            request.zClose = true;
        } else if ((args[i] == "--password" || args[i] == "-o") && i + 1 >= args.size()) {
            return unexpectedWord("report", args, i + 1);
        } else if (args[i] == "--password") {
            auto value = numberArgument(args[i], args[i + 1], 10, 0, 99999);
            if (!value)
                return kExitUsage;
            ++i;
            request.password = static_cast<uint32_t>(*value);
            passwordGiven = true;
        } else if (args[i] == "-o") {
            request.outPattern = args[++i];
        } else {
            return unexpectedWord("report", args, i);
        }
    }
    if (passwordGiven && !request.zClose)
        return usageError("report: --password goes with --z");
    return Job{[request](PortRun& run) { return runReport(run, request); }, true, request.outPattern};
}

namespace {

struct HistoryRequest {
    store::HistoryFilter filter;
    bool json = false;
};

int runHistory(PortRun& run, const HistoryRequest& request) {
    QString error;
    std::unique_ptr<store::SalesArchive> archive =
        store::SalesArchive::open(QString::fromStdString(run.archive), &error);
    std::optional<std::vector<store::ArchiveEntry>> entries;
    if (archive)
        entries = archive->entries(request.filter, &error);
    if (!entries)
        return ioError(run, error);
    // The entries as history --format json lists them, also in --format json's result.
    run.result = {{"entries", QJsonDocument::fromJson(reports::historyJson(*entries)).array()}};
    const QByteArray text = request.json ? reports::historyJson(*entries) : reports::historyCsv(*entries);
    run.out.write(text.constData(), text.size());
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
        } else if (args[i - 1] == "--format" && (value == "csv" || value == "json")) {
            request.json = value == "json";
        } else {
            return kExitUsage;
        }
    }
    return Job{[request](PortRun& run) { return runHistory(run, request); }, false, {}};
}
