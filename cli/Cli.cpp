#include "cli/Cli.h"

#include "link/NetworkPort.h"
#include "link/SerialPort.h"

#include <cctype>
#include <cstdlib>
#include <ostream>
#include <sstream>

int runParsed(const ParseResult& parsed, PortRun& run) {
    if (const int* code = std::get_if<int>(&parsed))
        return *code;
    return std::get<Job>(parsed).run(run);
}

ScaleLine reportingLine(PortRun& run) {
    return {run.link, [&run](uint8_t code) {
                if (performCommand(run.link, code).ok)
                    return true;
                run.err << "Communication Error!\n";
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
