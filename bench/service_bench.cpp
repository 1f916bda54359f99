// Service work's speed. The line monitor must not slow a transfer: a Load From SCALE of 300 PLUs against the
// emulated scale paced at 115200 baud (the shortest exchanges, where any added work shows most), with the
// window closed and with it open, each against the line's byte budget. The ratio of the two is the
// monitor's cost (goal: within 1.02). Between records the transfer lets pending events run, as the
// progress dialog does, so the monitor's batches are drawn during the transfer.
#include "bench/LineBudget.h"
#include "plu/PluTransfer.h"
#include "service/LineMonitor.h"
#include "service/ScaleSearch.h"
#include "ui/ScaleSession.h"

#include <QCoreApplication>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kBaud = 115200;
constexpr int kLastPlu = 300;

TransferHooks eventHooks() {
    TransferHooks hooks;
    hooks.begin = [](int) {};
    hooks.keepRunning = [] { return true; };
    hooks.step = [](int, int) { QCoreApplication::processEvents(); };
    hooks.finish = [] {};
    return hooks;
}

void loadWithMonitor(benchmark::State& state, bool monitorOpen) {
    auto scale = pacedScale(state, kBaud);
    if (!scale)
        return;
    ScaleSession session;
    LineMonitor monitor(session);
    PluMemoryTable table;
    TransferHooks hooks = eventHooks();
    timeAgainstBudget(state, kBaud, [&] {
        // The budget's counting run replaces the link's observer; the window takes it back when it
        // opens again.
        if (monitorOpen && !theLink.trace) {
            monitor.hide();
            monitor.show();
        }
        return loadFromScale(quietLine(theLink), table, 1, kLastPlu, hooks) == TransferEnd::Completed;
    });
    monitor.showBatch();
    state.counters["rows"] = double(monitor.table->model()->rowCount());
}

void BM_LoadMonitorClosed(benchmark::State& state) {
    loadWithMonitor(state, false);
}
BENCHMARK(BM_LoadMonitorClosed)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_LoadMonitorOpen(benchmark::State& state) {
    loadWithMonitor(state, true);
}
BENCHMARK(BM_LoadMonitorOpen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
// The scale search over ports of which one has a scale that hears only its own rate; the others
// are pseudo-terminals that nobody serves, as silent as an empty COM port. Every rate of the BAUD
// box, the most common first (goal: under 2 s, against 8 x 10 x 3.3 s by hand).
void searchAmong(benchmark::State& state, int scaleBaud, size_t portCount) {
    SimOptions options;
    options.baud = scaleBaud;
    options.ownBaudOnly = true;
    SimHarness scale(options);
    std::vector<int> masters;
    std::vector<std::string> ports{scale.linkPath()};
    while (ports.size() < portCount) {
        int master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        masters.push_back(master);
        ports.push_back(ptsname(master));
    }
    for (auto _ : state) {
        SearchProgress progress;
        SearchResult result = searchScales(ports, defaultSearchBauds(), progress);
        if (result.found.size() != 1 || result.found[0].baud != scaleBaud)
            state.SkipWithError("the scale was not found at its rate");
    }
    for (int master : masters)
        close(master);
}

void BM_FindAt9600AmongEightPorts(benchmark::State& state) {
    searchAmong(state, 9600, 8);
}
BENCHMARK(BM_FindAt9600AmongEightPorts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_FindAt4800AmongThreePorts(benchmark::State& state) {
    searchAmong(state, 4800, 3);
}
BENCHMARK(BM_FindAt4800AmongThreePorts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace
