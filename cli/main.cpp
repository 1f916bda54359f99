// scalectl: the command-line companion of the utility. It talks to the scale through the same link
// and the same record code as the windows, for scripts, service work and checking a line.
//
//   scalectl [--port COMn|DEVICE] [--baud N] [--trace] raw CODE [HEX]
//   scalectl [--port COMn|DEVICE] [--baud N] [--trace] plu pull [--from N] [--to N] [-o FILE]
//   scalectl [--port COMn|DEVICE] [--baud N] [--trace] plu push FILE
//
// Exit codes: 0 success, 1 failed exchange, 2 port cannot be opened, 3 bad input file, 64 usage.
#include "cli/PluCommands.h"
#include "cli/Trace.h"
#include "link/FrameLink.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kUsage = 64;

int usage() {
    std::fputs(
        "usage: scalectl [--port COMn|DEVICE] [--baud N] [--trace] raw CODE [HEX]\n"
        "       scalectl [--port COMn|DEVICE] [--baud N] [--trace] plu pull [--from N] [--to N] [-o FILE]\n"
        "       scalectl [--port COMn|DEVICE] [--baud N] [--trace] plu push FILE\n",
        stderr);
    return kUsage;
}

std::optional<long> parseNumber(const std::string& text, int base, long low, long high) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, base);
    if (*end != '\0' || value < low || value > high)
        return std::nullopt;
    return value;
}

// Hexadecimal bytes, with or without blanks between them ("00 07 00 36" or "00070036").
std::optional<std::vector<uint8_t>> parseHex(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c == ' ' || c == ':')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        digits.push_back(c);
    }
    if (digits.size() % 2 != 0 || digits.size() / 2 > 255)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

int runRaw(uint8_t code, const std::vector<uint8_t>& payload) {
    theLink.clear();
    for (uint8_t b : payload)
        theLink.putByte(b);
    theLink.transact(code);
    if (theLink.exchangeFailed) {
        std::fputs("Communication Error!\n", stderr);
        return 1;
    }
    // The body as the scale sent it, status byte first, without the trailing check byte.
    size_t count = theLink.replyCount > 0 ? theLink.replyCount - 1 : 0;
    for (size_t i = 0; i < count; ++i)
        std::printf(i ? " %02X" : "%02X", theLink.replyBuffer[i]);
    std::printf("\n");
    return 0;
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
    if (i >= args.size())
        return usage();
    const std::string verb = args[i++];

    // Check the whole command line before the port is touched.
    std::optional<uint8_t> rawCode;
    std::vector<uint8_t> rawPayload;
    long from = 1, to = 1799;
    std::string file;
    bool pull = false;
    if (verb == "raw") {
        if (i >= args.size())
            return usage();
        auto code =
            parseNumber(args[i][0] == '0' && args[i].size() > 2 && (args[i][1] == 'x' || args[i][1] == 'X')
                            ? args[i].substr(2)
                            : args[i],
                        16, 0, 255);
        if (!code)
            return usage();
        rawCode = static_cast<uint8_t>(*code);
        std::string hex;
        for (++i; i < args.size(); ++i)
            hex += args[i];
        auto payload = parseHex(hex);
        if (!payload)
            return usage();
        rawPayload = *payload;
    } else if (verb == "plu" && i < args.size() && args[i] == "pull") {
        pull = true;
        for (++i; i < args.size(); ++i) {
            std::optional<long> value;
            if ((args[i] == "--from" || args[i] == "--to") && i + 1 < args.size()) {
                value = parseNumber(args[i + 1], 10, 1, 1799);
                if (!value)
                    return usage();
                (args[i] == "--from" ? from : to) = *value;
                ++i;
            } else if (args[i] == "-o" && i + 1 < args.size()) {
                file = args[++i];
            } else {
                return usage();
            }
        }
    } else if (verb == "plu" && i + 2 == args.size() && args[i] == "push") {
        file = args[i + 1];
    } else {
        return usage();
    }

    bool opened = false;
    if (!port.empty() && port[0] == '/') {
        opened = theLink.openDevice(port, static_cast<int32_t>(baud));
    } else if (port.size() > 3 && port.compare(0, 3, "COM") == 0) {
        auto number = parseNumber(port.substr(3), 10, 0, 255);
        if (!number)
            return usage();
        opened = theLink.open(static_cast<uint8_t>(*number), static_cast<int32_t>(baud));
    } else {
        return usage();
    }
    if (!opened) {
        std::fputs("Cannot initialize COM port!\n", stderr);
        if (!theLink.port.lastError().empty())
            std::fprintf(stderr, "(%s)\n", theLink.port.lastError().c_str());
        return 2;
    }
    if (trace)
        theLink.trace = traceToStderr;

    int result = 0;
    if (rawCode)
        result = runRaw(*rawCode, rawPayload);
    else if (pull)
        result = pluPull(static_cast<int>(from), static_cast<int>(to), file);
    else
        result = pluPush(file);
    theLink.close();
    return result;
}
