// The sales report's speed: the 17 exchanges and the text against the emulated scale over a real
// pseudo-terminal, unpaced, and paced at 9600 baud (the scales' usual rate), where the time is
// reported against the line's byte budget (every byte that crossed the line at 10 bits a byte).
#include "reports/ReportText.h"
#include "tests/support/SimHarness.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

bool report(benchmark::State& state) {
    bool complete = reports::writeReport(
        quietLine(theLink), reports::salesReportLabels(), [] { return QDateTime::currentDateTime(); },
        [](const QString&) {});
    if (!complete)
        state.SkipWithError("report failed");
    return complete;
}

void BM_ReportUnpaced(benchmark::State& state) {
    SimHarness scale;
    if (!theLink.open(1, 115200)) {
        state.SkipWithError("emulator not reachable");
        return;
    }
    for (auto _ : state)
        if (!report(state))
            break;
}
BENCHMARK(BM_ReportUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void BM_ReportPaced9600(benchmark::State& state) {
    constexpr int kBaud = 9600;
    SimOptions options;
    options.baud = kBaud;
    SimHarness scale(options);
    if (!theLink.open(1, kBaud)) {
        state.SkipWithError("emulator not reachable");
        return;
    }
    size_t lineBytes = 0;
    theLink.trace = [&lineBytes](FrameLink::TraceKind, const uint8_t*, size_t count) { lineBytes += count; };
    bool counted = report(state);
    theLink.trace = nullptr;
    if (!counted)
        return;
    auto started = std::chrono::steady_clock::now();
    for (auto _ : state)
        if (!report(state))
            break;
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    double budgetSeconds = double(lineBytes) * 10 / kBaud;
    state.counters["line_bytes"] = double(lineBytes);
    state.counters["budget_s"] = budgetSeconds;
    state.counters["time/budget"] = elapsed.count() / (budgetSeconds * double(state.iterations()));
}
BENCHMARK(BM_ReportPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
