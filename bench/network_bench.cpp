// Many scales at once, and a scale behind ser2net: `scalectl plu push` of a 1801-row file to 1, 4 and
// 8 emulated scales paced at 115200 baud over their own pseudo-terminals, and to one scale through
// ser2net by socket:// and by rfc2217://. Each run is the real program, as a nightly update runs it.
//
// Reported: the wall time; for the multi-scale runs its ratio to the one-scale run (the lines work in
// parallel, so the goal is at most 1.1); for every run its ratio to the line's byte budget (every
// byte of the request frames, acknowledgements and reply frames at 10 bits a byte), counted once
// through the link's trace.
#include "cli/Cli.h"
#include "cli/PluCommands.h"
#include "tests/support/ScalectlProcess.h"
#include "tests/support/Ser2netBridge.h"
#include "tests/support/SimHarness.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr int kBaud = 115200;
constexpr int kRows = 1801;

// Scales on pseudo-terminals linked in one folder, with the PLU file to push.
struct Shop {
    std::string dir;
    std::vector<std::unique_ptr<ScaleSim>> scales;

    Shop(size_t count, int baud) {
        char pattern[] = "/tmp/scale-bench-XXXXXX";
        dir = mkdtemp(pattern) ? pattern : "/tmp";
        std::ofstream rows(file(), std::ios::binary);
        for (int n = 0; n < kRows; ++n)
            rows << n << "\t" << n % 100 << ".25\t0\t0\t0\t0\t0\t0\tARTICLE " << n << "\t0\t\r\n";
        rows.close();
        for (size_t i = 0; i < count; ++i) {
            SimOptions options;
            options.linkPath = port(i);
            options.baud = baud;
            scales.push_back(std::make_unique<ScaleSim>(options));
            scales.back()->start();
        }
    }
    ~Shop() {
        scales.clear();
        std::filesystem::remove_all(dir);
    }
    std::string file() const { return dir + "/plu.txt"; }
    std::string port(size_t i) const { return dir + "/COM" + std::to_string(i + 1); }
};

// The line's bytes of one push, counted through the trace of an unpaced run.
double budgetSeconds() {
    static const double seconds = [] {
        Shop shop(1, 0);
        FrameLink link;
        size_t bytes = 0;
        link.openDevice(shop.port(0), kBaud);
        link.trace = [&bytes](FrameLink::TraceKind, const uint8_t*, size_t count) { bytes += count; };
        std::ostringstream out, err;
        PortRun run{link, shop.port(0), out, err};
        runParsed(parsePlu({"push", shop.file()}), run);
        return double(bytes) * 10 / kBaud;
    }();
    return seconds;
}

double oneScaleSeconds = 0;

void pushAndReport(benchmark::State& state, Shop& shop, const std::vector<std::string>& ports) {
    std::vector<std::string> args;
    for (const std::string& port : ports)
        args.insert(args.end(), {"--port", port});
    args.insert(args.end(), {"--baud", std::to_string(kBaud), "plu", "push", shop.file()});
    for (auto _ : state) {
        auto started = std::chrono::steady_clock::now();
        ScalectlOutcome run = runScalectl(SCALECTL_PATH, args);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        state.SetIterationTime(seconds);
        if (run.exitCode != 0) {
            state.SkipWithError(("push failed: " + run.err).c_str());
            return;
        }
        state.counters["seconds"] = seconds;
        state.counters["x_budget"] = seconds / budgetSeconds();
        if (ports.size() == 1 && ports[0][0] == '/')
            oneScaleSeconds = seconds;
        else if (oneScaleSeconds > 0 && ports.size() > 1)
            state.counters["x_one_scale"] = seconds / oneScaleSeconds;
    }
}

void BM_PushToScales(benchmark::State& state) {
    Shop shop(size_t(state.range(0)), kBaud);
    std::vector<std::string> ports;
    for (size_t i = 0; i < shop.scales.size(); ++i)
        ports.push_back(shop.port(i));
    pushAndReport(state, shop, ports);
}
BENCHMARK(BM_PushToScales)->Arg(1)->Arg(4)->Arg(8)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// One scale through ser2net: state.range(0) 0 for socket://, 1 for rfc2217://.
void BM_PushThroughSer2net(benchmark::State& state) {
    if (Ser2netBridge::program().empty()) {
        state.SkipWithError(Ser2netBridge::kMissing);
        return;
    }
    Shop shop(1, kBaud);
    Ser2netBridge bridge({shop.scales[0]->slavePath()});
    pushAndReport(state, shop, {state.range(0) ? bridge.rfc2217Port(0) : bridge.socketPort(0)});
}
BENCHMARK(BM_PushThroughSer2net)
    ->ArgName("rfc2217")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
