// The link's speed against the emulated scale over a real pseudo-terminal: exchanges per second
// with nothing pacing the line, and PLU reads over a line paced at 115200 baud compared with the
// time their bytes need on the wire (10 bits a byte: request frames, both acknowledgements and the
// reply frames, with their stuffing).
#include "link/Command.h"
#include "link/FrameLink.h"
#include "sim/ScaleSim.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

// A running emulator on <temp>/ports/COM1 and theLink open on it.
class LinkedSim {
public:
    explicit LinkedSim(int baud) {
        char tmpl[] = "/tmp/scale-bench-XXXXXX";
        if (!mkdtemp(tmpl))
            throw std::runtime_error("no temporary folder");
        folder = tmpl;
        setPortLinkFolder(folder);
        SimOptions options;
        options.linkPath = folder + "/ports/COM1";
        options.baud = baud;
        sim = std::make_unique<ScaleSim>(options);
        if (!sim->start() || !theLink.open(1, baud ? baud : 115200))
            throw std::runtime_error("emulator not reachable");
    }
    ~LinkedSim() {
        theLink.close();
        sim->stop();
        std::filesystem::remove_all(folder);
    }
    std::unique_ptr<ScaleSim> sim;

private:
    std::string folder;
};

void BM_ExchangesUnpaced(benchmark::State& state) {
    LinkedSim line(0);
    for (auto _ : state) {
        theLink.clear();
        if (!performCommand(theLink, 0x01).ok)
            state.SkipWithError("exchange failed");
    }
    state.counters["exchanges/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ExchangesUnpaced)->UseRealTime()->MinTime(2.0);

void BM_PluReadsPaced(benchmark::State& state) {
    constexpr int kBaud = 115200;
    const int plus = static_cast<int>(state.range(0));
    LinkedSim line(kBaud);
    // Every byte that crosses the line in either direction, as the link's trace reports it.
    size_t wireBytes = 0;
    theLink.trace = [&wireBytes](FrameLink::TraceKind, const uint8_t*, size_t count) { wireBytes += count; };
    for (auto _ : state) {
        for (int p = 1; p <= plus; ++p) {
            theLink.clear();
            theLink.putWord(static_cast<uint16_t>(p));
            theLink.putByte(0);
            theLink.putByte(54);
            if (!performCommand(theLink, 0x04).ok) {
                state.SkipWithError("exchange failed");
                return;
            }
        }
    }
    theLink.trace = nullptr;
    double budget = static_cast<double>(wireBytes) * 10.0 / kBaud;
    state.counters["line_budget_s"] = budget / static_cast<double>(state.iterations());
    state.counters["time_over_budget"] =
        benchmark::Counter(budget, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PluReadsPaced)->Arg(200)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
