// What every scalectl command shares: the exit codes, the shape of a command (a parser that checks
// the whole command line before any port is touched, and a job that runs against one open port),
// the line the UI-free cores use, and small argument helpers.
#pragma once

#include "link/Command.h"

#include <QJsonObject>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

constexpr int kExitOk = 0;
constexpr int kExitCommunication = 1; // "Communication Error!"
constexpr int kExitNoPort = 2;        // "Cannot initialize COM port!"
constexpr int kExitBadInput = 3;      // a bad input file or value
constexpr int kExitIoError = 4;       // "I/O Error!"
constexpr int kExitDiffers = 5;       // the scale does not hold what the file says (plu diff)
constexpr int kExitNotClosed = 6;     // the scale acknowledged a Z close but did not close its day
constexpr int kExitUsage = 64;

// One run of a job: the link opened on one port, that port's name as given, and where the job's
// output and messages go. A job writes only to out and err, never to the process's own streams, so
// that several ports can run at once without mixing their texts.
struct PortRun {
    FrameLink& link;
    std::string portName;
    std::ostream& out;
    std::ostream& err;
    // Someone watches a terminal: a job may show progress on err.
    bool showProgress = false;
    // The database of the scales' records (--records, else the data folder's); empty: the PLU
    // commands keep no record (a run made by a test that does not ask for one).
    std::string records = {};
    // The sales archive every report read is kept in (--archive): an SQLite file or a
    // postgresql:// address.
    std::string archive = {};
    // This PC as the archive names it (store::pcName: the host, after --site or SCALE_SITE).
    std::string pc = {};
    // What the job found or did, as --format json prints it in the port's "result". Every job fills
    // it whatever the format (it costs little beside the exchanges), except a listing that streams
    // more than memory should hold: it fills it only when `json` says the result is printed.
    QJsonObject result = {};
    bool json = false;
    // The lost port has been named on err: it is said once, however many commands fail after it.
    bool lossSaid = false;
};

struct Job {
    std::function<int(PortRun& run)> run;
    // False for a command that works without a scale (a preview); then run gets a closed link.
    bool needsPort = true;
    // The -o FILE a command writes, as given (may hold {port}); empty when it writes no file.
    std::string outputPattern;
};

// A parser's answer: the job to run, or the exit code to end with at once.
using ParseResult = std::variant<Job, int>;

struct CliCommand {
    std::string_view verb;
    // The command's usage lines, each without "scalectl [OPTIONS] " in front.
    std::vector<std::string_view> usage;
    // The arguments after the verb.
    ParseResult (*parse)(const std::vector<std::string>& args);
    // The command handles the ports itself: the --port and --baud options given before the verb
    // come first in its arguments, and its job runs once, without a port opened for it.
    bool takesPortOptions = false;
};

// Every command of the tool, in the order the usage text lists them.
const std::vector<CliCommand>& cliCommands();

// Runs a parser's answer on a link that is already open (tests, and each port of a run): the exit
// code it ended with, or the job's.
int runParsed(const ParseResult& parsed, PortRun& run);

// "Communication Error!" on the run's err, and when the port itself failed, which port was lost and
// why ("COM1: the port was lost (Input/output error)").
void reportCommunicationError(PortRun& run);

// The cores' line over the run's link: the bare command, with "Communication Error!" on the run's
// err on failure.
ScaleLine reportingLine(PortRun& run);

// A port name scalectl takes: COMn, a device path, socket://HOST:PORT or rfc2217://HOST:PORT.
bool validPortName(const std::string& port);

// A whole decimal (base 10) or hexadecimal (base 16) number within low..high.
std::optional<long> parseNumber(const std::string& text, int base, long low, long high);

// Usage errors. Each writes one line to standard error that names the word or option and the value
// ("scalectl: --rate: 'abc' is not a number") and returns kExitUsage; scalectl then shows the usage
// of the command. A crontab's log holds that line, so it must say what was wrong on its own.
int usageError(const std::string& problem);
int badValue(const std::string& what, const std::string& value, const std::string& problem);
// args[at] is a word the command does not take here, or (at the end of args) a word is missing.
int unexpectedWord(std::string_view verb, const std::vector<std::string>& args, size_t at);
// parseNumber, with a usage error naming what the number is for when it is not one.
std::optional<long> numberArgument(const std::string& what, const std::string& text, int base, long low,
                                   long high);
// A port's messages on one line, joined by blanks; "exit code N" when there were none.
std::string messagesOnOneLine(const std::string& messages, int code);

// The -o pattern with every {port} replaced by the port's name made safe for a file name.
std::string outputPath(const std::string& pattern, const std::string& portName);
// "socket://10.0.0.5:4001" -> "socket-10.0.0.5-4001", "/dev/ttyUSB0" -> "dev-ttyUSB0".
std::string fileSafePortName(const std::string& portName);
// True for an -o name that is a file of its own (not "-", the run's standard output).
bool namesOutputFile(const std::string& pattern);
// Writes bytes to the file at path as every file of the program is written (text/OutputFile.h), "-"
// to the run's out: kExitOk, or kExitIoError with "I/O Error!" and the path and why on the run's err.
int writeOutput(PortRun& run, const std::string& path, const QByteArray& bytes);
