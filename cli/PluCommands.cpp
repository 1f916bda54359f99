#include "cli/PluCommands.h"

#include "cli/JsonOutput.h"

#include "plu/PluCompare.h"
#include "plu/PluFile.h"
#include "plu/PluRecordKeeping.h"
#include "text/CodePage.h"
#include "text/Numbers.h"

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
        std::cerr << "I/O Error!\n";
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
        std::cerr << e.what() << '\n';
        return kExitBadInput;
    }
    return loaded;
}

int pluPush(PortRun& run, const LoadedFile& file, bool changedOnly) {
    RecordedRun recorded(run);
    if (int code = recorded.start())
        return code;
    if (!changedOnly) {
        int code = recorded.exitCodeFor(
            saveRowsInOrder(recorded.line, *file.table, int(file.rows.size()), recorded.hooks));
        if (code == kExitOk)
            run.result = {{"sent", int(file.rows.size())}, {"current", 0}};
        return code;
    }
    // A scale without a record gets the full push.
    int current = 0;
    std::vector<int> rows = file.rows;
    if (recorded.records && !recorded.records->known().empty())
        rows = changedRows(file.deciding, recorded.records->known(), &current);
    int sent = 0;
    QJsonArray plus;
    recorded.hooks.proved = [&sent, &plus, keep = recorded.hooks.proved](const PluImage& image) {
        ++sent;
        plus.append(image.plu);
        return keep(image);
    };
    int code = recorded.exitCodeFor(saveRows(recorded.line, *file.table, rows, recorded.hooks));
    run.result = {{"sent", sent}, {"current", current}, {"plus", plus}};
    run.err << sent << " sent, " << current << " current\n";
    return code;
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
    bool changed = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const bool range = verb != "push" && (args[i] == "--from" || args[i] == "--to");
        const bool output = verb == "pull" && args[i] == "-o";
        if ((range || output) && i + 1 >= args.size())
            return unexpectedWord(what, args, i + 1);
        if (range) {
            auto value = numberArgument(args[i], args[i + 1], 10, 1, 1799);
            if (!value)
                return kExitUsage;
            (args[i] == "--from" ? from : to) = *value;
            ++i;
        } else if (output) {
            out = args[++i];
        } else if (verb == "push" && args[i] == "--changed") {
            changed = true;
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
    if (verb == "push")
        return Job{[rows, changed](PortRun& run) { return pluPush(run, rows, changed); }, true, {}};
    return Job{[rows, from, to](PortRun& run) { return pluDiff(run, rows, int(from), int(to)); }, true, {}};
}
