#include "cli/PluCommands.h"

#include "cli/JsonOutput.h"

#include "plu/PluCompare.h"
#include "plu/PluFile.h"
#include "plu/PluRecordKeeping.h"
#include "text/CodePage.h"
#include "text/Numbers.h"

#include <QFileInfo>
#include <iostream>
#include <memory>
#include <numeric>
#include <set>

namespace {

// A progress line that rewrites itself, only when someone watches the terminal.
TransferHooks terminalHooks(PortRun& run) {
    bool showProgress = run.showProgress;
    std::ostream& err = run.err;
    TransferHooks hooks;
    hooks.begin = [](int) {};
    hooks.keepRunning = [] { return true; };
    hooks.step = [showProgress, &err](int, int number) {
        if (showProgress)
            err << '\r' << number << " PLUs" << std::flush;
    };
    hooks.finish = [showProgress, &err] {
        if (showProgress)
            err << '\n';
    };
    return hooks;
}

int recordError(PortRun& run, const QString& error) {
    run.err << "I/O Error!\n(scale records: " << error.toStdString() << ")\n";
    return kExitIoError;
}

// One PLU command on one port with the scale's record: opened before anything is sent (a database
// that cannot be written ends the command there), then the identity read to find the scale's record.
struct RecordedRun {
    explicit RecordedRun(PortRun& run) : run(run), line(reportingLine(run)), hooks(terminalHooks(run)) {}

    // kExitOk when the command may go on, else the code to end with.
    int start() {
        if (!run.records.empty()) {
            QString error;
            records = store::ScaleRecords::open(QString::fromLocal8Bit(run.records), &error);
            if (!records)
                return recordError(run, error);
        }
        std::optional<std::string> identity = requestIdentity(line);
        if (!identity)
            return kExitCommunication;
        if (records && !records->select(QString::fromStdString(run.portName), fromCp1250(*identity)))
            return recordError(run, records->lastError());
        keepRecord(hooks, records.get(), seen);
        return kExitOk;
    }

    // start, then PLU 0, PLU 1800 and the range read into table as Load From SCALE does.
    int readScale(PluTable& table, int from, int to) {
        if (int code = start())
            return code;
        return exitCodeFor(loadFromScale(line, table, from, to, hooks));
    }

    int exitCodeFor(TransferEnd end) {
        switch (end) {
        case TransferEnd::Completed:
            return kExitOk;
        case TransferEnd::RecordFailed:
            return recordError(run, records->lastError());
        case TransferEnd::Stopped:
        case TransferEnd::Failed:
            break;
        }
        return kExitCommunication;
    }

    PortRun& run;
    ScaleLine line;
    TransferHooks hooks;
    std::unique_ptr<store::ScaleRecords> records;
    // What the exchanges proved: the PLUs read, or the rows a write got acknowledged.
    std::map<int, QByteArray> seen;
};

QVariantList toVariants(const std::vector<int>& numbers) {
    QVariantList list;
    for (int number : numbers)
        list.append(number);
    return list;
}

// A column's key in the JSON results: its heading in lower case, "valid_date" for "Valid Date".
QString columnKey(int column) {
    return QString::fromLatin1(kPluColumns[size_t(column)].heading)
        .toLower()
        .replace(QLatin1Char(' '), QLatin1Char('_'));
}

// The rows in use as objects, one key a column, numbers as numbers.
QJsonArray pluRows(const PluTable& table) {
    QJsonArray rows;
    for (int row = 1; row <= kPluRowCount; ++row) {
        if (!table.rowInUse(row))
            continue;
        QJsonObject object;
        for (int column = 0; column < kPluColumnCount; ++column) {
            QString text = table.cell(column, row);
            object[columnKey(column)] = column == NameColumn ? QJsonValue(text) : cellValue(text);
        }
        rows.append(object);
    }
    return rows;
}

// A difference of plu diff as an object: its kind as the text line names it, the PLU, and for a
// field that differs the field's key and both values.
QJsonObject differenceObject(const PluDifference& difference) {
    static const char* const kinds[] = {"only-in-file", "only-on-scale", "differs"};
    QJsonObject object{{"kind", kinds[difference.kind]}, {"plu", difference.plu}};
    if (difference.kind == PluDifference::Differs) {
        const bool text = difference.column == NameColumn;
        object[QLatin1String("field")] = columnKey(difference.column);
        object[QLatin1String("scale")] =
            text ? QJsonValue(difference.scaleText) : cellValue(difference.scaleText);
        object[QLatin1String("file")] =
            text ? QJsonValue(difference.tableText) : cellValue(difference.tableText);
    }
    return object;
}

int pluPull(PortRun& run, int from, int to, const std::string& outPattern) {
    RecordedRun recorded(run);
    PluMemoryTable table;
    if (int code = recorded.readScale(table, from, to))
        return code;
    run.result = {{"rows", pluRows(table)}};
    // Without -o the file goes to standard output, as with "-o -".
    return writeOutput(run, outPattern.empty() ? "-" : outputPath(outPattern, run.portName),
                       pluFileBytes(table, QDateTime::currentDateTime()));
}

// A PLU file read, every row converted, before the port is touched, so a bad file changes nothing on
// the scale: a text the file reader accepts can still fail the record's conversions (a NUM of 12.5).
struct LoadedFile {
    std::shared_ptr<PluMemoryTable> table = std::make_shared<PluMemoryTable>();
    // Rows 1 to n, the order a push writes them.
    std::vector<int> rows;
    // What a push of them leaves on the scale, by PLU number.
    std::map<int, DecidingRow> deciding;
};

std::variant<LoadedFile, int> loadFile(const std::string& file) {
    LoadedFile loaded;
    PluFileResult result = loadPluFile(QString::fromLocal8Bit(file), *loaded.table);
    if (result.outcome == PluFileLoad::IoError) {
        std::cerr << "I/O Error!\n(" << file << ": cannot be read)\n";
        return kExitIoError;
    }
    if (result.outcome == PluFileLoad::BadLine) {
        std::cerr << "error in input file: " << badLinePlace(result).toLocal8Bit().constData() << '\n';
        return kExitBadInput;
    }
    loaded.rows.resize(size_t(result.rowsLoaded));
    std::iota(loaded.rows.begin(), loaded.rows.end(), 1);
    try {
        loaded.deciding = decidingRows(*loaded.table, loaded.rows);
    } catch (const ConversionError& e) {
        // Which row and field the write could not convert, in the file's own lines.
        for (int row : loaded.rows) {
            const int column = unconvertibleColumn(*loaded.table, row);
            if (column < 0)
                continue;
            PluFileResult place{PluFileLoad::BadLine,
                                row,
                                result.lineOfRow[size_t(row - 1)],
                                column,
                                loaded.table->cell(column, row),
                                {}};
            std::cerr << "error in input file: " << badLinePlace(place).toLocal8Bit().constData() << " ("
                      << e.what() << ")\n";
            return kExitBadInput;
        }
        std::cerr << e.what() << '\n';
        return kExitBadInput;
    }
    return loaded;
}

struct PushRequest {
    bool changedOnly = false;
    bool dryRun = false;
    PluVerify verify = PluVerify::None;
};

// The changed-only push's dry run: the same decision from the scale's record, with nothing sent,
// nothing read but the identity, and the record left as it was (a database that does not exist yet
// is not created: no record, so the whole file would be sent).
int pluPushDryRun(PortRun& run, const LoadedFile& file) {
    const ScaleLine line = reportingLine(run);
    const std::optional<std::string> identity = requestIdentity(line);
    if (!identity)
        return kExitCommunication;
    std::map<int, QByteArray> known;
    const QString where = QString::fromLocal8Bit(run.records);
    if (!run.records.empty() &&
        (where.startsWith(QLatin1String("postgresql://")) || QFileInfo::exists(where))) {
        QString error;
        std::unique_ptr<store::ScaleRecords> records = store::ScaleRecords::open(where, &error);
        if (!records)
            return recordError(run, error);
        if (!records->select(QString::fromStdString(run.portName), fromCp1250(*identity)))
            return recordError(run, records->lastError());
        known = records->known();
    }
    const PriceUpdate update = updatePrices(line, *file.table, file.rows, file.deciding, known,
                                            PluVerify::None, true, TransferHooks{});
    run.result = {{"sent", int(update.sent.size())},
                  {"current", update.current},
                  {"plus", QJsonArray::fromVariantList(toVariants(update.sent))},
                  {"dry_run", true}};
    run.err << update.sent.size() << " would be sent, " << update.current << " current\n";
    return kExitOk;
}

int pluPush(PortRun& run, const LoadedFile& file, const PushRequest& request) {
    if (request.dryRun)
        return pluPushDryRun(run, file);
    RecordedRun recorded(run);
    if (int code = recorded.start())
        return code;
    if (!request.changedOnly) {
        int code = recorded.exitCodeFor(
            saveRowsInOrder(recorded.line, *file.table, int(file.rows.size()), recorded.hooks));
        if (code == kExitOk)
            run.result = {{"sent", int(file.rows.size())}, {"current", 0}};
        return code;
    }
    // A scale without a record gets the full push.
    static const std::map<int, QByteArray> none;
    const PriceUpdate update = updatePrices(recorded.line, *file.table, file.rows, file.deciding,
                                            recorded.records ? recorded.records->known() : none,
                                            request.verify, false, recorded.hooks);
    run.result = {{"sent", int(update.sent.size())},
                  {"current", update.current},
                  {"plus", QJsonArray::fromVariantList(toVariants(update.sent))},
                  {"dry_run", false}};
    run.err << update.sent.size() << " sent, " << update.current << " current\n";
    if (int code = recorded.exitCodeFor(update.end))
        return code;
    if (update.notStuck.empty())
        return kExitOk;
    run.result[QLatin1String("not_stuck")] = QJsonArray::fromVariantList(toVariants(update.notStuck));
    for (int plu : update.notStuck)
        run.err << "PLU " << plu << ": the scale does not hold what was sent (read back after the write)\n";
    return kExitDiffers;
}

int pluDiff(PortRun& run, const LoadedFile& file, int from, int to) {
    RecordedRun recorded(run);
    PluMemoryTable scale;
    if (int code = recorded.readScale(scale, from, to))
        return code;
    std::set<int> differing;
    QJsonArray differences;
    for (const PluDifference& difference : comparePlus(recorded.seen, *file.table, file.rows)) {
        run.out << differenceLine(difference).toStdString() << '\n';
        differences.append(differenceObject(difference));
        differing.insert(difference.plu);
    }
    run.out.flush();
    run.result = {{"differences", differences}};
    if (differing.empty())
        return kExitOk;
    run.err << differing.size() << (differing.size() == 1 ? " PLU differs\n" : " PLUs differ\n");
    return kExitDiffers;
}

} // namespace

ParseResult parsePlu(const std::vector<std::string>& args) {
    if (args.empty() || (args[0] != "pull" && args[0] != "push" && args[0] != "diff"))
        return unexpectedWord("plu", args, 0);
    const std::string& verb = args[0];
    const std::string what = "plu " + verb;
    long from = 1, to = 1799;
    std::string out, file;
    PushRequest push;
    for (size_t i = 1; i < args.size(); ++i) {
        const bool range = verb != "push" && (args[i] == "--from" || args[i] == "--to");
        const bool output = verb == "pull" && args[i] == "-o";
        const bool verify = verb == "push" && args[i] == "--verify";
        if ((range || output || verify) && i + 1 >= args.size())
            return unexpectedWord(what, args, i + 1);
        if (range) {
            auto value = numberArgument(args[i], args[i + 1], 10, 1, 1799);
            if (!value)
                return kExitUsage;
            (args[i] == "--from" ? from : to) = *value;
            ++i;
        } else if (output) {
            out = args[++i];
        } else if (verify) {
            const std::string& how = args[++i];
            if (how != "none" && how != "written" && how != "all")
                return usageError("--verify: '" + how + "' is not none, written or all");
            push.verify = how == "all"       ? PluVerify::All
                          : how == "written" ? PluVerify::Written
                                             : PluVerify::None;
        } else if (verb == "push" && args[i] == "--changed") {
            push.changedOnly = true;
        } else if (verb == "push" && args[i] == "--dry-run") {
            push.dryRun = true;
        } else if (verb != "pull" && file.empty() && args[i].rfind("--", 0) != 0) {
            file = args[i];
        } else {
            return unexpectedWord(what, args, i);
        }
    }
    if (verb == "pull")
        return Job{[from, to, out](PortRun& run) { return pluPull(run, int(from), int(to), out); }, true,
                   out};
    if (file.empty())
        return unexpectedWord(what, args, args.size());
    std::variant<LoadedFile, int> loaded = loadFile(file);
    if (const int* code = std::get_if<int>(&loaded))
        return *code;
    LoadedFile rows = std::get<LoadedFile>(loaded);
    if (verb == "push" && (push.dryRun || push.verify != PluVerify::None) && !push.changedOnly)
        return usageError("plu push: --dry-run and --verify go with --changed");
    if (verb == "push")
        return Job{[rows, push](PortRun& run) { return pluPush(run, rows, push); }, true, {}};
    return Job{[rows, from, to](PortRun& run) { return pluDiff(run, rows, int(from), int(to)); }, true, {}};
}
