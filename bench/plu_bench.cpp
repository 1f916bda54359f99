// The PLU database's speed: a full Load From SCALE (PLU 0, PLU 1800 and 1 to 1799, 1801 exchanges)
// against the emulated scale over a real pseudo-terminal, unpaced and paced at 115200 baud; the table
// fill alone (decoding 1801 records into the in-memory table and into the tab's grid); and saving and
// loading a PLU text file of 1801 rows.
//
// The paced run reports its time against the line's byte budget: every byte that crossed the line
// (request frames, both acknowledgements and the reply frames, stuffing included) at 10 bits a byte.
#include "bench/LineBudget.h"
#include "plu/PluFile.h"
#include "plu/PluGrid.h"
#include "plu/PluTransfer.h"
#include "tests/support/SimHarness.h"

#include <QTableWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kBaud = 115200;

TransferHooks quietHooks() {
    TransferHooks hooks;
    hooks.begin = [](int) {};
    hooks.keepRunning = [] { return true; };
    hooks.step = [](int, int) {};
    hooks.finish = [] {};
    return hooks;
}

// Every PLU present, with a name, so every reply carries a full record.
void fillScale(SimHarness& scale) {
    scale.sim().withState([](ScaleState& state) {
        for (size_t n = 0; n < state.plus.size(); ++n) {
            PluRecord& plu = state.plus[n];
            plu.price = int32_t(100 + n);
            plu.code = int32_t(n);
            plu.name = textField<31>("ARTICLE " + std::to_string(n));
            plu.quantity = int32_t(n * 7);
        }
    });
}

// The emulator filled with PLUs and theLink open on it; false when it cannot be reached.
bool openFilledScale(SimHarness& scale, benchmark::State& state) {
    fillScale(scale);
    if (theLink.open(1, kBaud))
        return true;
    state.SkipWithError("emulator not reachable");
    return false;
}

void BM_LoadFromScaleUnpaced(benchmark::State& state) {
    SimHarness scale;
    if (!openFilledScale(scale, state))
        return;
    PluMemoryTable table;
    TransferHooks hooks = quietHooks();
    for (auto _ : state)
        if (loadFromScale(quietLine(theLink), table, 1, 1799, hooks) != TransferEnd::Completed)
            state.SkipWithError("transfer failed");
}
BENCHMARK(BM_LoadFromScaleUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_LoadFromScalePaced(benchmark::State& state) {
    SimOptions options;
    options.baud = kBaud;
    SimHarness scale(options);
    if (!openFilledScale(scale, state))
        return;
    PluMemoryTable table;
    TransferHooks hooks = quietHooks();
    timeAgainstBudget(state, kBaud, [&table, &hooks] {
        return loadFromScale(quietLine(theLink), table, 1, 1799, hooks) == TransferEnd::Completed;
    });
}
BENCHMARK(BM_LoadFromScalePaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A reply as the scale sends it for PLU n: status, one byte, then the record.
void loadReply(FrameLink& link, int n) {
    uint8_t record[2 + kPluRecordBytes] = {};
    record[4] = uint8_t(n >> 8);
    record[5] = uint8_t(n);
    record[12] = 1;
    std::string name = "ARTICLE " + std::to_string(n);
    std::copy(name.begin(), name.end(), record + 2 + 11);
    std::copy(std::begin(record), std::end(record), link.replyBuffer);
    link.cursor = 2;
}

void fillTable(benchmark::State& state, PluTable& table) {
    FrameLink link;
    for (auto _ : state) {
        for (int row = 1; row <= kPluRowCount; ++row) {
            loadReply(link, row - 1);
            takePluRecord(link, uint16_t(row - 1), table, row);
        }
    }
}

void BM_TableFillMemory(benchmark::State& state) {
    PluMemoryTable table;
    fillTable(state, table);
}
BENCHMARK(BM_TableFillMemory)->Unit(benchmark::kMillisecond);

void BM_TableFillGrid(benchmark::State& state) {
    QTableWidget widget(kPluRowCount, kPluColumnCount);
    PluGrid grid(widget);
    fillTable(state, grid);
}
BENCHMARK(BM_TableFillGrid)->Unit(benchmark::kMillisecond);

void fullTable(PluTable& table) {
    for (int row = 1; row <= kPluRowCount; ++row) {
        QStringList cells = {QString::number(row - 1),
                             "12.34",
                             "123456",
                             "12",
                             "3",
                             "1",
                             "0",
                             "1",
                             "ARTICLE NAME " + QString::number(row),
                             "365",
                             "1.500",
                             "123.45",
                             "17"};
        for (int column = 0; column < kPluColumnCount; ++column)
            table.setCell(column, row, cells[column]);
    }
}

void BM_SavePluFile(benchmark::State& state) {
    QTemporaryDir dir;
    PluMemoryTable table;
    fullTable(table);
    for (auto _ : state)
        if (!savePluFile(dir.filePath("PLU.TXT"), table))
            state.SkipWithError("save failed");
}
BENCHMARK(BM_SavePluFile)->Unit(benchmark::kMillisecond);

void BM_LoadPluFile(benchmark::State& state) {
    QTemporaryDir dir;
    PluMemoryTable table;
    fullTable(table);
    savePluFile(dir.filePath("PLU.TXT"), table);
    for (auto _ : state)
        if (loadPluFile(dir.filePath("PLU.TXT"), table).rowsLoaded != kPluRowCount)
            state.SkipWithError("load failed");
}
BENCHMARK(BM_LoadPluFile)->Unit(benchmark::kMillisecond);
} // namespace
