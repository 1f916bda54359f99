// scalectl: the command-line companion of the utility. It talks to the scale through the same link
// and the same core code as the windows, for scripts, service work and checking a line.
//
//   scalectl [--port COMn|DEVICE] [--baud N] [--trace] COMMAND ...
//
// The commands are listed in cli/Commands.cpp. Exit codes: 0 success, 1 failed exchange, 2 port
// cannot be opened, 3 bad input, 4 a file that cannot be read or written, 64 usage.
#include "app/DataFolder.h"
#include "cli/Cli.h"
#include "cli/Trace.h"
#include "link/FrameLink.h"
#include "link/SerialPort.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

int usage() {
    const char* lead = "usage: scalectl [--port COMn|DEVICE] [--baud N] [--trace] ";
    for (const CliCommand& command : cliCommands())
        for (std::string_view line : command.usage) {
            std::fprintf(stderr, "%s%.*s\n", lead, int(line.size()), line.data());
            lead = "       scalectl [--port COMn|DEVICE] [--baud N] [--trace] ";
        }
    return kExitUsage;
}

bool openPort(FrameLink& link, const std::string& port, int32_t baud) {
    if (!port.empty() && port[0] == '/')
        return link.openDevice(port, baud);
    auto number = port.size() > 3 && port.compare(0, 3, "COM") == 0 ? parseNumber(port.substr(3), 10, 0, 255)
                                                                    : std::nullopt;
    return number && link.open(static_cast<uint8_t>(*number), baud);
}

bool validPortName(const std::string& port) {
    return (!port.empty() && port[0] == '/') ||
           (port.size() > 3 && port.compare(0, 3, "COM") == 0 && parseNumber(port.substr(3), 10, 0, 255));
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string port = "COM1";
    long baud = 9600;
    bool trace = false;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--trace") {
            trace = true;
        } else if (args[i] == "--port" && i + 1 < args.size()) {
            port = args[++i];
        } else if (args[i] == "--baud" && i + 1 < args.size()) {
            auto value = parseNumber(args[++i], 10, 1, 4000000);
            if (!value)
                return usage();
            baud = *value;
        } else {
            return usage();
        }
    }
    if (i >= args.size() || !validPortName(port))
        return usage();
    const std::string verb = args[i++];
    const CliCommand* command = nullptr;
    for (const CliCommand& candidate : cliCommands())
        if (candidate.verb == verb)
            command = &candidate;
    if (!command)
        return usage();

    // The whole command line (and any input file) is checked before the port is touched.
    ParseResult parsed = command->parse(std::vector<std::string>(args.begin() + long(i), args.end()));
    if (const int* code = std::get_if<int>(&parsed))
        return *code == kExitUsage ? usage() : *code;
    Job& job = std::get<Job>(parsed);

    PortRun run{theLink, port, std::cout, std::cerr, isatty(STDERR_FILENO) != 0};
    if (!job.needsPort)
        return job.run(run);
    // COMn: the ports/ links of the utility, beside scalectl or, installed, in the utility's
    // configuration folder (the default link folder is the program's own).
    setPortLinkFolder(dataFolder(QString::fromStdString(portLinkFolder())).toStdString());
    if (!openPort(theLink, port, static_cast<int32_t>(baud))) {
        std::fputs("Cannot initialize COM port!\n", stderr);
        if (!theLink.port.lastError().empty())
            std::fprintf(stderr, "(%s)\n", theLink.port.lastError().c_str());
        return kExitNoPort;
    }
    if (trace)
        theLink.trace = traceToStderr;
    int result = job.run(run);
    theLink.close();
    return result;
}
