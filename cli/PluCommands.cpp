#include "cli/PluCommands.h"

#include "link/Command.h"
#include "plu/PluFile.h"
#include "plu/PluTransfer.h"
#include "text/Numbers.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace {
constexpr int kDone = 0;
constexpr int kCommunicationError = 1;
constexpr int kBadRange = 64; // a usage error, as the tool's own argument checks report it
constexpr int kBadInput = 3;
constexpr int kIoError = 4;

bool runCommandReporting(uint8_t code) {
    if (performCommand(theLink, code).ok)
        return true;
    std::cerr << "Communication Error!\n";
    return false;
}

// A progress line that rewrites itself, only when someone watches the terminal.
TransferHooks terminalHooks() {
    bool showProgress = isatty(STDERR_FILENO) != 0;
    TransferHooks hooks;
    hooks.runCommand = runCommandReporting;
    hooks.begin = [](int) {};
    hooks.keepRunning = [] { return true; };
    hooks.step = [showProgress](int, int number) {
        if (showProgress)
            std::cerr << '\r' << number << " PLUs" << std::flush;
    };
    hooks.finish = [showProgress] {
        if (showProgress)
            std::cerr << '\n';
    };
    return hooks;
}

int exitCodeFor(TransferEnd end) {
    return end == TransferEnd::Completed ? kDone : kCommunicationError;
}
} // namespace

int pluPull(int from, int to, const std::string& outFile) {
    if (from < 1 || from > 1799 || to < 1 || to > 1799) {
        std::cerr << "the PLU range lies within 1 to 1799\n";
        return kBadRange;
    }
    PluMemoryTable table;
    TransferEnd end = loadFromScale(table, from, to, terminalHooks());
    if (end != TransferEnd::Completed)
        return exitCodeFor(end);
    if (outFile.empty()) {
        QByteArray bytes = pluFileBytes(table, QDateTime::currentDateTime());
        std::cout.write(bytes.constData(), bytes.size());
        std::cout.flush();
        if (std::cout)
            return kDone;
    } else if (savePluFile(QString::fromLocal8Bit(outFile), table)) {
        return kDone;
    }
    std::cerr << "I/O Error!\n";
    return kIoError;
}

int pluPush(const std::string& file) {
    PluMemoryTable table;
    PluFileResult loaded = loadPluFile(QString::fromLocal8Bit(file), table);
    if (loaded.outcome == PluFileLoad::IoError) {
        std::cerr << "I/O Error!\n";
        return kIoError;
    }
    if (loaded.outcome == PluFileLoad::BadLine) {
        std::cerr << "error in input file\n";
        return kBadInput;
    }
    // Texts the file reader accepts can still fail the record's conversions (a NUM of 12.5): find
    // that before the first record goes out, so a bad file changes nothing on the scale.
    try {
        FrameLink scratch;
        for (int row = 1; row <= loaded.rowsLoaded; ++row)
            putPluRecord(scratch, table, row);
    } catch (const ConversionError& e) {
        std::cerr << e.what() << '\n';
        return kBadInput;
    }
    return exitCodeFor(saveRowsInOrder(table, loaded.rowsLoaded, terminalHooks()));
}
