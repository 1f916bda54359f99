// The sales report's speed: the 17 exchanges and the text against the emulated scale over a real
// pseudo-terminal, unpaced, and paced at 9600 baud (the scales' usual rate), where the time is
// reported against the line's byte budget (every byte that crossed the line at 10 bits a byte).
#include "bench/LineBudget.h"
#include "reports/ReportText.h"

#include <benchmark/benchmark.h>

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
    std::unique_ptr<SimHarness> scale = pacedScale(state, kBaud);
    if (!scale)
        return;
    timeAgainstBudget(state, kBaud, [&state] { return report(state); });
}
BENCHMARK(BM_ReportPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
