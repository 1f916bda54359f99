// scalectl: the command-line companion of the utility. It talks to the scale through the same link
// and the same core code as the windows, for scripts, service work and checking a line.
//
//   scalectl [--port PORT]... [--jobs N] [--baud N] [--trace] [--records FILE] [--archive FILE|URL]
//            [--site NAME] [--format text|json] COMMAND ...
//
// PORT is COMn, a device path, socket://HOST:PORT or rfc2217://HOST:PORT. With several ports the
// command runs on all of them at once (at most N at a time with --jobs), each on a link and a thread
// of its own. Each port's output is written, followed by the line "PORT: ok" or "PORT: " and what
// went wrong, as soon as that port and every port before it in --port order are done.
//
// --format json writes, for every port in --port order, one JSON object on a line of its own
// (cli/JsonOutput.h) instead of the command's text; messages stay on standard error.
//
// --records FILE: the SQLite file that keeps what each scale holds (default: the utility's database
// in its data folder).
//
// --help writes the usage of every command (after a command, of that command) to standard output;
// --version the version. A usage error writes one line that names what was wrong, then the usage of
// the command (of all of them when the command itself is wrong).
//
// The commands are listed in cli/Commands.cpp. Exit codes: 0 success, 1 failed exchange, 2 port
// cannot be opened, 3 bad input, 4 a file (or the records database) that cannot be read or written,
// 5 the scale differs from the file (plu diff), 6 the scale did not close its day (report --z),
// 64 usage; with several ports, the code of the first port (in --port order) that failed, else 5
// when any port differs.
//
// --archive names the sales archive (every report read is kept there; history lists it): an SQLite
// file or postgresql://USER@HOST[:PORT]/DB; by default the database in the utility's data folder.
// --site names the shop of a chain whose PCs share one archive (default: the SCALE_SITE environment
// variable): each report is kept with the PC that read it, the site before its host name.
#include "cli/Cli.h"
#include "cli/JsonOutput.h"
#include "cli/Trace.h"
#include "link/FrameLink.h"
#include "link/SerialPort.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/SalesArchive.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The usage of one command, or of all of them (with --help, or when the command is not known).
void writeUsage(std::ostream& out, const CliCommand* only) {
    const char* lead =
        "usage: scalectl [--port PORT]... [--jobs N] [--baud N] [--format text|json] [--trace] ";
    for (const CliCommand& command : cliCommands()) {
        if (only && only != &command)
            continue;
        for (std::string_view line : command.usage) {
            out << lead << line << '\n';
            lead = "       scalectl [--port PORT]... [--jobs N] [--baud N] [--format text|json] [--trace] ";
        }
    }
    if (!only)
        out << "       scalectl --help | --version\n";
    out << "PORT: COMn, a device path, socket://HOST:PORT or rfc2217://HOST:PORT\n";
    if (!only)
        out << "--records FILE: the scales' records; --archive FILE|postgresql://USER@HOST[:PORT]/DB: the\n"
               "sales archive (both before the command; default: the utility's database); --site NAME: the\n"
               "shop this PC belongs to, kept with every report (default: $SCALE_SITE)\n";
}

// A usage error whose line has been written: the usage follows, on standard error.
int usage(const CliCommand* only = nullptr) {
    writeUsage(std::cerr, only);
    return kExitUsage;
}

struct Settings {
    int32_t baud = 9600;
    bool trace = false;
    bool json = false; // --format json
    std::string records;
    std::string archive;
    std::string site;
    bool siteGiven = false;
};

// The job on one port, on a link of its own; messages on err, the trace on traceOut, what the job
// found in result.
int runJob(const Job& job, const std::string& port, const Settings& settings, std::ostream& out,
           std::ostream& err, std::ostream& traceOut, bool showProgress, QJsonObject& result) {
    FrameLink link;
    PortRun run{link,
                port,
                out,
                err,
                showProgress,
                settings.records,
                settings.archive,
                store::pcName(QString::fromStdString(settings.site)).toStdString(),
                {},
                settings.json};
    if (!job.needsPort) {
        int code = job.run(run);
        result = run.result;
        return code;
    }
    auto number = comPortNumber(port);
    bool opened = number ? link.open(*number, settings.baud) : link.openDevice(port, settings.baud);
    if (!opened) {
        err << "Cannot initialize COM port!\n";
        if (!link.port.lastError().empty())
            err << '(' << link.port.lastError() << ")\n";
        return kExitNoPort;
    }
    if (settings.trace)
        link.trace = traceTo(traceOut);
    int code = job.run(run);
    link.close();
    result = run.result;
    return code;
}

// One port's job: whatever it throws (out of memory included) is that port's failure, never the end
// of the whole run.
int runGuarded(const Job& job, const std::string& port, const Settings& settings, std::ostream& out,
               std::ostream& err, std::ostream& traceOut, bool showProgress, QJsonObject& result) {
    try {
        return runJob(job, port, settings, out, err, traceOut, showProgress, result);
    } catch (const std::exception& e) {
        err << "scalectl: " << e.what() << '\n';
    } catch (...) {
        err << "scalectl: unexpected failure\n";
    }
    return kExitCommunication;
}

// The job on one port as the format asks: its own output, or its JSON line.
int runOnPort(const Job& job, const std::string& port, const Settings& settings, std::ostream& out,
              std::ostream& err, std::ostream& traceOut, bool showProgress) {
    QJsonObject result;
    if (!settings.json)
        return runGuarded(job, port, settings, out, err, traceOut, showProgress, result);
    JsonPortStreams streams(err);
    int code = runGuarded(job, port, settings, streams.out(), streams.err(), traceOut, false, result);
    out << streams.line(port, code, result) << std::endl;
    return code;
}

int runOnPorts(const Job& job, const std::vector<std::string>& ports, const Settings& settings, size_t jobs) {
    struct Result {
        std::ostringstream out, err, trace;
        int code = kExitOk;
        bool done = false;
    };
    std::vector<Result> results(ports.size());
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i; (i = next++) < ports.size();) {
            Result& r = results[i];
            int code = runOnPort(job, ports[i], settings, r.out, r.err, r.trace, false);
            std::lock_guard lock(mutex);
            r.code = code;
            r.done = true;
            finished.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (size_t n = 0; n < std::min(jobs, ports.size()); ++n)
        threads.emplace_back(worker);

    // Port after port in --port order, each as soon as it is done: a port that takes long holds back
    // only the ports after it.
    int exitCode = kExitOk;
    for (size_t i = 0; i < ports.size(); ++i) {
        Result& r = results[i];
        {
            std::unique_lock lock(mutex);
            finished.wait(lock, [&r] { return r.done; });
        }
        std::cout << r.out.str() << std::flush;
        std::cerr << r.trace.str() << r.err.str() << ports[i] << ": "
                  << (r.code == kExitOk ? "ok" : messagesOnOneLine(r.err.str(), r.code)) << std::endl;
        // A port that differs does not hide one that failed after it.
        if (exitCode == kExitOk || (exitCode == kExitDiffers && r.code != kExitOk))
            exitCode = r.code;
    }
    for (std::thread& thread : threads)
        thread.join();
    return exitCode;
}

// The output files of a run, one per port: false (with the file in clash) when two ports would write
// the same file, as "/x/p/a" and "/x/p-a" both become "x-p-a".
bool outputFilesDistinct(const std::string& pattern, const std::vector<std::string>& ports,
                         std::string& clash) {
    std::set<std::string> paths;
    for (const std::string& port : ports)
        if (!paths.insert(outputPath(pattern, port)).second) {
            clash = outputPath(pattern, port);
            return false;
        }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<std::string> ports;
    // The --port and --baud options as given, for a command that takes them itself (find).
    std::vector<std::string> portOptions;
    Settings settings;
    size_t jobs = 0;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        const std::string& option = args[i];
        if (option == "--help") {
            writeUsage(std::cout, nullptr);
            return kExitOk;
        }
        if (option == "--version") {
            std::cout << "scalectl " SCALE_VERSION "\n";
            return kExitOk;
        }
        if (option == "--trace") {
            settings.trace = true;
            continue;
        }
        if (option != "--port" && option != "--baud" && option != "--jobs" && option != "--records" &&
            option != "--archive" && option != "--site" && option != "--format") {
            usageError("unknown option '" + option + "'");
            return usage();
        }
        if (i + 1 >= args.size()) {
            usageError(option + ": a value is missing");
            return usage();
        }
        const std::string& value = args[++i];
        if (option == "--format") {
            if (value != "text" && value != "json") {
                badValue(option, value, "is not text or json");
                return usage();
            }
            settings.json = value == "json";
            continue;
        }
        if (option == "--site") {
            settings.site = value;
            settings.siteGiven = true;
            continue;
        }
        if (option == "--records" || option == "--archive") {
            (option == "--records" ? settings.records : settings.archive) = value;
            continue;
        }
        if (option == "--port" || option == "--baud")
            portOptions.insert(portOptions.end(), {option, value});
        if (option == "--port") {
            if (!validPortName(value)) {
                badValue(option, value,
                         "is not COMn, a device path, socket://HOST:PORT or rfc2217://HOST:PORT");
                return usage();
            }
            ports.push_back(value);
            continue;
        }
        bool baud = option == "--baud";
        auto number = numberArgument(option, value, 10, 1, baud ? 4000000 : 1000);
        if (!number)
            return usage();
        if (baud)
            settings.baud = static_cast<int32_t>(*number);
        else
            jobs = static_cast<size_t>(*number);
    }
    if (ports.empty())
        ports.push_back("COM1");
    if (i >= args.size()) {
        usageError("a command is missing");
        return usage();
    }
    const std::string verb = args[i++];
    const CliCommand* command = nullptr;
    for (const CliCommand& candidate : cliCommands())
        if (candidate.verb == verb)
            command = &candidate;
    if (!command) {
        usageError("unknown command '" + verb + "'");
        return usage();
    }
    std::vector<std::string> commandArgs(args.begin() + long(i), args.end());
    if (std::find(commandArgs.begin(), commandArgs.end(), "--help") != commandArgs.end()) {
        writeUsage(std::cout, command);
        return kExitOk;
    }

    // The whole command line (and any input file) is checked before a port is touched.
    if (command->takesPortOptions)
        commandArgs.insert(commandArgs.begin(), portOptions.begin(), portOptions.end());
    ParseResult parsed = command->parse(commandArgs);
    if (const int* code = std::get_if<int>(&parsed))
        return *code == kExitUsage ? usage(command) : *code;
    const Job& job = std::get<Job>(parsed);
    // COMn: the ports/ links of the utility, beside scalectl or, installed, in the utility's
    // configuration folder (the default link folder is the program's own).
    const QString folder = dataFolder(QString::fromStdString(portLinkFolder()));
    setPortLinkFolder(folder.toStdString());
    if (settings.records.empty())
        settings.records = store::defaultDatabase(folder).toStdString();
    if (settings.archive.empty())
        settings.archive = store::defaultDatabase(folder).toStdString();
    if (!settings.siteGiven)
        settings.site = qEnvironmentVariable("SCALE_SITE").toStdString();

    // A command that works without a scale (a preview) runs once, however many ports are named.
    if (ports.size() == 1 || !job.needsPort)
        return runOnPort(job, ports[0], settings, std::cout, std::cerr, std::cerr,
                         isatty(STDERR_FILENO) != 0);
    for (size_t p = 0; p < ports.size(); ++p)
        if (std::find(ports.begin(), ports.begin() + long(p), ports[p]) != ports.begin() + long(p))
            return usageError(ports[p] + " is named twice");
    // Every port writes its own file: one name for all would have them overwrite each other. "-o -"
    // writes each port's file on standard output, port after port, as without -o.
    const bool writesFiles = namesOutputFile(job.outputPattern);
    if (writesFiles && job.outputPattern.find("{port}") == std::string::npos)
        return usageError("with several ports, -o needs {port} in the file name");
    if (std::string clash; writesFiles && !outputFilesDistinct(job.outputPattern, ports, clash))
        return usageError("two ports would write the same file " + clash);
    return runOnPorts(job, ports, settings, jobs == 0 ? ports.size() : jobs);
}
