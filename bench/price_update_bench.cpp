// The price update that sends only what changed (scalectl plu push --changed): an 1801-row PLU file
// in which 20 prices change between two runs, pushed to a scale whose record holds the other file.
//
// - ChangedPush: one scale paced at 9600 and 115200 baud. Reported against the line's byte budget
//   of its own bytes (goal within 1.05), and its bytes and time against the byte budget of a full
//   push of the same file (goal at most 2 %).
// - NothingChanged: the record lookup and the comparison of 1801 rows, without the line (goal under
//   20 ms).
// - EightScales: 8 scales at 9600 baud at once, each with its own 20 changes, each on a thread of its
//   own as scalectl runs several ports (goal at most 1.1 times one scale's time).
#include "bench/LineBudget.h"
#include "cli/PluCommands.h"
#include "plu/PluFile.h"
#include "plu/PluTransfer.h"
#include "store/ScaleRecords.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <numeric>
#include <sstream>
#include <thread>

namespace {

constexpr int kChanged = 20;

// Two PLU files of 1801 rows (PLU 0 to 1800) that differ in 20 prices, and a records database.
struct PriceFiles {
    QTemporaryDir dir;
    std::string files[2];
    std::string records = dir.filePath("records.db").toStdString();

    PriceFiles() {
        for (int version = 0; version < 2; ++version) {
            PluMemoryTable table;
            for (int row = 1; row <= kPluRowCount; ++row) {
                const int plu = row - 1;
                const bool changes = version == 1 && plu % (kPluRowCount / kChanged) == 7;
                const QStringList cells =
                    QStringLiteral("%1\t%2\t123456\t12\t3\t1\t0\t1\tARTICLE NAME %1\t365")
                        .arg(plu)
                        .arg(changes ? "3.45" : "12.34")
                        .split(QLatin1Char('\t'));
                for (int column = 0; column < cells.size(); ++column)
                    table.setCell(column, row, cells[column]);
            }
            files[version] = dir.filePath(QStringLiteral("prices%1.TXT").arg(version)).toStdString();
            savePluFile(QString::fromStdString(files[version]), table);
        }
    }
};

int push(FrameLink& link, const std::string& port, const std::string& records, const std::string& file,
         bool changedOnly) {
    std::ostringstream out, err;
    PortRun run{link, port, out, err, false, records};
    std::vector<std::string> args = {"push", file};
    if (changedOnly)
        args.push_back("--changed");
    return runParsed(parsePlu(args), run);
}

// What a full push of the file would leave in the record of the scale on port: learnt from the file
// itself, without the line.
void recordFile(const std::string& records, const std::string& port, const QString& identity,
                const std::string& file) {
    PluMemoryTable table;
    std::vector<int> order(size_t(loadPluFile(QString::fromStdString(file), table).rowsLoaded));
    std::iota(order.begin(), order.end(), 1);
    QString error;
    auto kept = store::ScaleRecords::open(QString::fromStdString(records), &error);
    kept->select(QString::fromStdString(port), identity);
    for (const auto& [plu, deciding] : decidingRows(table, order))
        kept->keep(plu, deciding.fields);
}

void BM_ChangedPush(benchmark::State& state) {
    const int baud = int(state.range(0));
    PriceFiles prices;
    // The bytes of a full push of the same file, on an unpaced scale of the same identity: the record
    // of COM1 then holds file 0.
    size_t fullBytes = 0;
    {
        SimHarness unpaced;
        if (!theLink.openDevice(unpaced.linkPath(), baud))
            return state.SkipWithError("emulator not reachable");
        fullBytes = tracedLineBytes(
            [&] { return push(theLink, "COM1", prices.records, prices.files[0], false) == 0; });
        theLink.close();
    }
    auto scale = pacedScale(state, baud);
    if (!scale)
        return;
    int next = 1;
    timeAgainstBudget(state, baud, [&] {
        bool done = push(theLink, "COM1", prices.records, prices.files[next], true) == 0;
        next = 1 - next;
        return done;
    });
    const double changedBytes = state.counters["line_bytes"];
    const double fullBudget = double(fullBytes) * 10 / baud;
    state.counters["full_push_bytes"] = double(fullBytes);
    state.counters["bytes/full"] = changedBytes / double(fullBytes);
    state.counters["time/full"] = state.counters["time/budget"] * state.counters["budget_s"] / fullBudget;
}
BENCHMARK(BM_ChangedPush)
    ->Arg(9600)
    ->Arg(115200)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void BM_NothingChanged(benchmark::State& state) {
    PriceFiles prices;
    recordFile(prices.records, "COM1", "SCALE", prices.files[0]);
    PluMemoryTable table;
    std::vector<int> order(size_t(loadPluFile(QString::fromStdString(prices.files[0]), table).rowsLoaded));
    std::iota(order.begin(), order.end(), 1);
    QString error;
    auto records = store::ScaleRecords::open(QString::fromStdString(prices.records), &error);
    for (auto _ : state) {
        int current = 0;
        if (!records->select("COM1", "SCALE") ||
            !changedRows(decidingRows(table, order), records->known(), &current).empty() ||
            current != kPluRowCount)
            state.SkipWithError("the record does not match");
    }
}
BENCHMARK(BM_NothingChanged)->Unit(benchmark::kMillisecond);

// Opening the records database as every PLU command does first: migration check and write probe.
void BM_OpenRecords(benchmark::State& state) {
    PriceFiles prices;
    QString error;
    for (auto _ : state)
        if (!store::ScaleRecords::open(QString::fromStdString(prices.records), &error))
            state.SkipWithError("cannot open");
}
BENCHMARK(BM_OpenRecords)->Unit(benchmark::kMillisecond);

// Every scale gets its own 20 changes, alternating between the two files, on a thread of its own.
void BM_EightScales(benchmark::State& state) {
    const int scales = int(state.range(0));
    constexpr int baud = 9600;
    PriceFiles prices;
    SimOptions options;
    options.baud = baud;
    std::vector<std::unique_ptr<SimHarness>> rack;
    std::vector<std::unique_ptr<FrameLink>> links;
    for (int i = 0; i < scales; ++i) {
        rack.push_back(std::make_unique<SimHarness>(options));
        links.push_back(std::make_unique<FrameLink>());
        if (!links.back()->openDevice(rack.back()->linkPath(), baud))
            return state.SkipWithError("emulator not reachable");
        QString identity;
        rack.back()->sim().withState(
            [&identity](ScaleState& s) { identity = QString::fromStdString(s.identity); });
        recordFile(prices.records, rack.back()->linkPath(), identity, prices.files[0]);
    }
    int next = 1;
    for (auto _ : state) {
        std::vector<std::thread> threads;
        std::atomic<int> failed{0};
        for (int i = 0; i < scales; ++i)
            threads.emplace_back([&, i] {
                if (push(*links[size_t(i)], rack[size_t(i)]->linkPath(), prices.records, prices.files[next],
                         true) != 0)
                    ++failed;
            });
        for (std::thread& thread : threads)
            thread.join();
        if (failed)
            state.SkipWithError("a push failed");
        next = 1 - next;
    }
}
BENCHMARK(BM_EightScales)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

// Qt SQL finds its drivers through the application object.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
