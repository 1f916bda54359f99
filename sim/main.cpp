// scale-sim: the emulated scale as a program, for the demo, for training and for tests that run it
// as a process. It serves on a pseudo-terminal linked at --link until SIGINT or SIGTERM.
#include "sim/ScaleSim.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 64; // EX_USAGE

const char* const kUsage =
    "usage: scale-sim --link PATH [--baud N [--own-baud-only]] [--state FILE] [--calibration] "
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
    std::fprintf(stderr, "scale-sim: %s\n%s", problem.c_str(), kUsage);
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
            std::fputs(kUsage, stdout);
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
    if (options.linkPath.empty())
        return usage("--link is required");
    if (options.ownBaudOnly && options.baud == 0)
        return usage("--own-baud-only needs --baud");

    // The signals are taken synchronously below; blocking them first keeps them away from the
    // server's thread.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::string linkPath = options.linkPath;
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
    std::printf("scale-sim: ready on %s\n", linkPath.c_str());
    std::fflush(stdout);

    // Wait for a signal, looking now and then whether the vanish fault has taken the device away.
    const timespec tick{0, 200'000'000};
    while (!sim.vanished() && sigtimedwait(&signals, nullptr, &tick) < 0) {
    }
    sim.stop();
    return 0;
}
