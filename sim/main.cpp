// scale-sim: the emulated scale as a program, for the demo, for training and for tests that run it
// as a process. It serves on a pseudo-terminal linked at --link, or on a serial port (--port), until
// it is interrupted.
#include "sim/ScaleLine.h"
#include "sim/ScaleSim.h"
#include "sim/StopRequest.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 64; // EX_USAGE

const std::string kUsage = std::string("usage: scale-sim ") + ScaleLine::usageText() +
                           " [--baud N [--own-baud-only]] [--state FILE] [--calibration] "
                           "[--fault NAME[:COUNT]]... [--gap MS] [--logo-out FILE] [--password N] "
                           "[--read-delay MS] [--ack-log FILE] [--line-log FILE]\n"
                           "       scale-sim --help | --version\n";

bool parseNumber(const std::string& text, int& value, int minimum) {
    const char* end = text.data() + text.size();
    auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && at == end && value >= minimum;
}

struct FaultRequest {
    Fault fault;
    int count;
};

bool parseFault(const std::string& text, FaultRequest& request) {
    size_t colon = text.find(':');
    auto fault = faultByName(text.substr(0, colon));
    if (!fault)
        return false;
    request = {*fault, 1};
    return colon == std::string::npos || parseNumber(text.substr(colon + 1), request.count, 1);
}

int usage(const std::string& problem) {
    std::fprintf(stderr, "scale-sim: %s\n%s", problem.c_str(), kUsage.c_str());
    return kUsageError;
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::vector<FaultRequest> faults;
    int gapMs = -1;
    int password = -1;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc)
                return false;
            into = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--help") {
            std::fputs(kUsage.c_str(), stdout);
            return 0;
        }
        if (arg == "--version") {
            std::puts("scale-sim " SCALE_VERSION);
            return 0;
        }
        if (arg == "--calibration") {
            options.calibration = true;
        } else if (arg == "--own-baud-only") {
            options.ownBaudOnly = true;
        } else if (arg == "--link") {
            if (!value(options.linkPath) || options.linkPath.empty())
                return usage("--link needs a path");
            if (std::string refusal = ScaleLine::linkRefusal(); !refusal.empty())
                return usage(refusal);
        } else if (arg == "--port") {
            if (!value(options.portName))
                return usage("--port needs a port");
            if (std::string refusal = ScaleLine::portRefusal(options.portName); !refusal.empty())
                return usage(refusal);
        } else if (arg == "--state") {
            if (!value(options.stateFile))
                return usage("--state needs a file");
        } else if (arg == "--logo-out") {
            if (!value(options.logoOut))
                return usage("--logo-out needs a file");
        } else if (arg == "--baud") {
            if (!value(text) || !parseNumber(text, options.baud, 1))
                return usage("--baud needs a positive number");
        } else if (arg == "--ack-log") {
            if (!value(options.ackLog) || options.ackLog.empty())
                return usage("--ack-log needs a file");
        } else if (arg == "--line-log") {
            if (!value(options.lineLog) || options.lineLog.empty())
                return usage("--line-log needs a file");
        } else if (arg == "--read-delay") {
            if (!value(text) || !parseNumber(text, options.readDelayMs, 0))
                return usage("--read-delay needs a number of milliseconds");
        } else if (arg == "--gap") {
            if (!value(text) || !parseNumber(text, gapMs, 0))
                return usage("--gap needs a number of milliseconds");
        } else if (arg == "--password") {
            if (!value(text) || !parseNumber(text, password, 0) || password > 99999)
                return usage("--password needs a number from 0 to 99999");
        } else if (arg == "--fault") {
            FaultRequest request{};
            if (!value(text) || !parseFault(text, request))
                return usage(
                    "unknown fault '" + text +
                    "' (nak, badcheck, silence, garbage, noack, address, restart, endless, overlong, "
                    "slowgap, vanish, statusonly, unstored, unanswered; optionally :COUNT)");
            faults.push_back(request);
        } else {
            return usage("unknown argument '" + arg + "'");
        }
    }
    if (options.linkPath.empty() && options.portName.empty())
        return usage(std::string(ScaleLine::usageText()) + " is required");
    if (!options.linkPath.empty() && !options.portName.empty())
        return usage("--link and --port cannot be given together");
    if (options.ownBaudOnly && options.baud == 0)
        return usage("--own-baud-only needs --baud");

    holdStopRequests();
    const std::string servedOn = options.portName.empty() ? options.linkPath : options.portName;
    ScaleSim sim(std::move(options));
    for (const FaultRequest& request : faults)
        sim.injectFault(request.fault, request.count);
    if (gapMs >= 0)
        sim.setGapMs(gapMs);
    if (!sim.start()) {
        std::fprintf(stderr, "scale-sim: %s\n", sim.error().c_str());
        return 1;
    }
    // The Z close's password, over the one a state file brought.
    if (password >= 0)
        sim.withState([password](ScaleState& state) { state.password = static_cast<uint32_t>(password); });
    std::printf("scale-sim: ready on %s\n", servedOn.c_str());
    std::fflush(stdout);

    // Wait for a stop request, looking now and then whether the device has gone away.
    while (!sim.vanished() && !stopRequested(std::chrono::milliseconds(200))) {
    }
    sim.stop();
    return 0;
}
