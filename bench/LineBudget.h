// A paced transfer's time against the line's byte budget: one traced run counts every byte that
// crosses the line (request frames, both acknowledgements and the reply frames, stuffing included),
// and the timed runs are reported against those bytes at 10 bits a byte.
#pragma once

#include "link/FrameLink.h"
#include "tests/support/SimHarness.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>

// The emulated scale paced at baud with theLink open on it; null, and the benchmark skipped, when
// the link does not open.
inline std::unique_ptr<SimHarness> pacedScale(benchmark::State& state, int baud) {
    SimOptions options;
    options.baud = baud;
    auto scale = std::make_unique<SimHarness>(options);
    if (!theLink.open(1, baud)) {
        state.SkipWithError("emulator not reachable");
        return nullptr;
    }
    return scale;
}

// Runs transfer once on theLink with the trace on; the bytes it moved, or 0 when it failed.
inline size_t tracedLineBytes(const std::function<bool()>& transfer) {
    size_t lineBytes = 0;
    theLink.trace = [&lineBytes](FrameLink::TraceKind, const uint8_t*, size_t count) { lineBytes += count; };
    bool done = transfer();
    theLink.trace = nullptr;
    return done ? lineBytes : 0;
}

// Times transfer over the benchmark's iterations and reports line_bytes, budget_s and time/budget.
inline void timeAgainstBudget(benchmark::State& state, int baud, const std::function<bool()>& transfer) {
    size_t lineBytes = tracedLineBytes(transfer);
    if (lineBytes == 0)
        state.SkipWithError("transfer failed");
    auto started = std::chrono::steady_clock::now();
    for (auto _ : state)
        if (!transfer())
            state.SkipWithError("transfer failed");
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    double budgetSeconds = double(lineBytes) * 10 / baud;
    state.counters["line_bytes"] = double(lineBytes);
    state.counters["budget_s"] = budgetSeconds;
    state.counters["time/budget"] = elapsed.count() / (budgetSeconds * double(state.iterations()));
}
