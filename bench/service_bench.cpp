// The line monitor must not slow a transfer: a Load From SCALE of 300 PLUs against the emulated
// scale paced at 115200 baud (the shortest exchanges, where any added work shows most), with the
// window closed and with it open, each against the line's byte budget. The ratio of the two is the
// monitor's cost (goal: within 1.02). Between records the transfer lets pending events run, as the
// progress dialog does, so the monitor's batches are drawn during the transfer.
#include "bench/LineBudget.h"
#include "plu/PluTransfer.h"
#include "service/LineMonitor.h"
#include "ui/ScaleSession.h"

#include <QCoreApplication>
#include <QTableView>
#include <benchmark/benchmark.h>

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
} // namespace
