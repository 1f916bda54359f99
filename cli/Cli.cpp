#include "cli/Cli.h"

#include "link/NetworkPort.h"
#include "link/SerialPort.h"
#include "text/OutputFile.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <utility>

int runParsed(const ParseResult& parsed, PortRun& run) {
    if (const int* code = std::get_if<int>(&parsed))
        return *code;
    return std::get<Job>(parsed).run(run);
}

void reportCommunicationError(PortRun& run) {
    run.err << "Communication Error!\n";
    // A port that failed itself is not retried: the operator has a cable or an adapter to look at.
    if (run.link.port.portLost() && !std::exchange(run.lossSaid, true))
        run.err << run.portName << ": the port was lost (" << run.link.port.lossReason() << ")\n";
}

ScaleLine reportingLine(PortRun& run) {
    return {run.link, [&run](uint8_t code) {
                if (performCommand(run.link, code).ok)
                    return true;
                reportCommunicationError(run);
                return false;
            }};
}

std::optional<long> parseNumber(const std::string& text, int base, long low, long high) {
    // strtol would skip any leading white space and take a plus sign.
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])) || text[0] == '+')
        return std::nullopt;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, base);
    if (*end != '\0' || value < low || value > high)
        return std::nullopt;
    return value;
}

std::string messagesOnOneLine(const std::string& messages, int code) {
    std::string line;
    std::istringstream in(messages);
    for (std::string part; std::getline(in, part);)
        if (!part.empty())
            line += (line.empty() ? "" : " ") + part;
    return line.empty() ? "exit code " + std::to_string(code) : line;
}

bool validPortName(const std::string& port) {
    std::string host, service;
    if (port.find("://") != std::string::npos)
        return isPortPath(port) && splitNetworkAddress(port, host, service);
    return isPortPath(port) || comPortNumber(port);
}

int usageError(const std::string& problem) {
    std::cerr << "scalectl: " << problem << '\n';
    return kExitUsage;
}

int badValue(const std::string& what, const std::string& value, const std::string& problem) {
    return usageError(what + ": '" + value + "' " + problem);
}

int unexpectedWord(std::string_view verb, const std::vector<std::string>& args, size_t at) {
    if (at >= args.size())
        return usageError(std::string(verb) + ": a word is missing" +
                          (args.empty() ? std::string() : " after '" + args.back() + "'"));
    return usageError(std::string(verb) + ": unexpected word '" + args[at] + "'");
}

std::optional<long> numberArgument(const std::string& what, const std::string& text, int base, long low,
                                   long high) {
    std::optional<long> value = parseNumber(text, base, low, high);
    if (!value) {
        char range[64];
        std::snprintf(range, sizeof range,
                      base == 16 ? "is not a hexadecimal number from %lX to %lX"
                                 : "is not a number from %ld to %ld",
                      low, high);
        badValue(what, text, range);
    }
    return value;
}

std::string fileSafePortName(const std::string& portName) {
    std::string name = portName;
    if (!name.empty() && name[0] == '/')
        name.erase(0, 1);
    for (size_t at = name.find("://"); at != std::string::npos; at = name.find("://", at))
        name.replace(at, 3, "-");
    for (char& c : name)
        if (c == ':' || c == '/')
            c = '-';
    return name;
}

std::string outputPath(const std::string& pattern, const std::string& portName) {
    static const std::string placeholder = "{port}";
    std::string path = pattern;
    std::string safe = fileSafePortName(portName);
    for (size_t at = path.find(placeholder); at != std::string::npos;
         at = path.find(placeholder, at + safe.size()))
        path.replace(at, placeholder.size(), safe);
    return path;
}

bool namesOutputFile(const std::string& pattern) {
    return !pattern.empty() && QString::fromLocal8Bit(pattern) != kStandardOutputName;
}

int writeOutput(PortRun& run, const std::string& path, const QByteArray& bytes) {
    const QString failure = writeOutputFile(QString::fromLocal8Bit(path), bytes, run.out);
    if (failure.isEmpty())
        return kExitOk;
    run.err << "I/O Error!\n(" << failure.toLocal8Bit().constData() << ")\n";
    return kExitIoError;
}
