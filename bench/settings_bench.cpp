// The settings transfers' speed: SEND TO SCALE and LOAD FROM SCALE (54 exchanges each) against the
// emulated scale over a real pseudo-terminal, paced at 9600 and at 115200 baud. Each run reports its
// time against the line's byte budget: every byte that crossed the line (request frames, both
// acknowledgements and the reply frames, stuffing included) at 10 bits a byte.
#include "bench/LineBudget.h"
#include "settings/SettingsTransfer.h"

#include <benchmark/benchmark.h>

namespace {

Settings fullSettings() {
    Settings s;
    applyFactoryDefaults(s);
    s.taxes.fill(QStringLiteral("23"));
    // Full-width texts, so every exchange carries as much as it can.
    for (QString& line : s.receiptLines)
        line = QString(32, QChar('R'));
    for (QString& department : s.departments)
        department = QString(16, QChar('D'));
    return s;
}

// One transfer, LOAD or SEND; false when it failed.
bool transfer(bool load, Settings& settings) {
    return load ? loadSettings(quietLine(theLink), settings) : sendSettings(quietLine(theLink), settings);
}

void BM_SettingsTransferPaced(benchmark::State& state) {
    int baud = int(state.range(0));
    bool load = state.range(1) != 0;
    std::unique_ptr<SimHarness> scale = pacedScale(state, baud);
    if (!scale)
        return;
    Settings settings = fullSettings();
    // The scale holds the same full settings, so LOAD's replies are as long as SEND's requests.
    if (!sendSettings(quietLine(theLink), settings)) {
        state.SkipWithError("transfer failed");
        return;
    }
    timeAgainstBudget(state, baud, [load, &settings] { return transfer(load, settings); });
    theLink.close();
}
BENCHMARK(BM_SettingsTransferPaced)
    ->ArgNames({"baud", "load"})
    ->Args({9600, 0})
    ->Args({9600, 1})
    ->Args({115200, 0})
    ->Args({115200, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

} // namespace

BENCHMARK_MAIN();
