#include "cli/PluCommands.h"

#include "cli/JsonOutput.h"

#include "plu/PluFile.h"
#include "plu/PluTransfer.h"
#include "text/Numbers.h"

#include <iostream>
#include <memory>

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

int exitCodeFor(TransferEnd end) {
    return end == TransferEnd::Completed ? kExitOk : kExitCommunication;
}

// The rows in use as objects, one key a column ("valid_date" for "Valid Date"), numbers as numbers.
QJsonArray pluRows(const PluTable& table) {
    QJsonArray rows;
    for (int row = 1; row <= kPluRowCount; ++row) {
        if (!table.rowInUse(row))
            continue;
        QJsonObject object;
        for (int column = 0; column < kPluColumnCount; ++column) {
            QString key =
                QString::fromLatin1(kPluColumns[size_t(column)].heading).toLower().replace(' ', '_');
            QString text = table.cell(column, row);
            object[key] = column == NameColumn ? QJsonValue(text) : cellValue(text);
        }
        rows.append(object);
    }
    return rows;
}

int pluPull(PortRun& run, int from, int to, const std::string& outPattern) {
    PluMemoryTable table;
    TransferEnd end = loadFromScale(reportingLine(run), table, from, to, terminalHooks(run));
    if (end != TransferEnd::Completed)
        return exitCodeFor(end);
    run.result = {{"rows", pluRows(table)}};
    if (outPattern.empty()) {
        QByteArray bytes = pluFileBytes(table, QDateTime::currentDateTime());
        run.out.write(bytes.constData(), bytes.size());
        run.out.flush();
        if (run.out)
            return kExitOk;
    } else if (savePluFile(QString::fromLocal8Bit(outputPath(outPattern, run.portName)), table)) {
        return kExitOk;
    }
    run.err << "I/O Error!\n";
    return kExitIoError;
}

// The file is read and every row converted before the port is touched, so a bad file changes
// nothing on the scale: a text the file reader accepts can still fail the record's conversions (a
// NUM of 12.5).
ParseResult preparePush(const std::string& file) {
    auto table = std::make_shared<PluMemoryTable>();
    PluFileResult loaded = loadPluFile(QString::fromLocal8Bit(file), *table);
    if (loaded.outcome == PluFileLoad::IoError) {
        std::cerr << "I/O Error!\n";
        return kExitIoError;
    }
    if (loaded.outcome == PluFileLoad::BadLine) {
        std::cerr << "error in input file\n";
        return kExitBadInput;
    }
    try {
        FrameLink scratch;
        for (int row = 1; row <= loaded.rowsLoaded; ++row)
            putPluRecord(scratch, *table, row);
    } catch (const ConversionError& e) {
        std::cerr << e.what() << '\n';
        return kExitBadInput;
    }
    int rows = loaded.rowsLoaded;
    return Job{[table, rows](PortRun& run) {
                   TransferEnd end = saveRowsInOrder(reportingLine(run), *table, rows, terminalHooks(run));
                   if (end == TransferEnd::Completed)
                       run.result = {{"sent", rows}, {"current", 0}};
                   return exitCodeFor(end);
               },
               true,
               {}};
}
} // namespace

ParseResult parsePlu(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "push")
        return preparePush(args[1]);
    if (args.empty() || args[0] != "pull")
        return kExitUsage;
    long from = 1, to = 1799;
    std::string out;
    for (size_t i = 1; i < args.size(); ++i) {
        if ((args[i] == "--from" || args[i] == "--to") && i + 1 < args.size()) {
            auto value = parseNumber(args[i + 1], 10, 1, 1799);
            if (!value)
                return kExitUsage;
            (args[i] == "--from" ? from : to) = *value;
            ++i;
        } else if (args[i] == "-o" && i + 1 < args.size()) {
            out = args[++i];
        } else {
            return kExitUsage;
        }
    }
    return Job{[from, to, out](PortRun& run) { return pluPull(run, int(from), int(to), out); }, true, out};
}
