// The sales archive's speed on SQLite: storing one entry (it sits between the last read of a Z
// report and the close), scalectl history's CSV of ten years of daily closes for eight scales
// (29,200 entries), and the HISTORY window opening on that archive and redrawing a chart.
#include "reports/HistoryWindow.h"
#include "reports/SalesHistory.h"
#include "ui/ScaleSession.h"

#include <QChartView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kScales = 8;
constexpr int kDays = 3650;

store::ArchiveEntry closeOf(int scale, int day) {
    store::ArchiveEntry entry;
    entry.readAtLocal = QDateTime(QDate(2016, 1, 1).addDays(day), QTime(20, scale));
    entry.readAt = entry.readAtLocal.toUTC();
    entry.identity = QStringLiteral("SCALE %1").arg(scale);
    entry.port = QStringLiteral("COM%1").arg(scale);
    entry.kind = store::ReportKind::Z;
    entry.closeAcknowledged = true;
    int64_t seed = day * 131 + scale * 7;
    store::forEachFigure(entry.figures, [&seed](const store::FigureColumn&, int64_t& value) {
        value = (seed += 977) % 100000;
    });
    entry.figures.document = day;
    return entry;
}

// One archive of ten years for the whole run, filled in one transaction.
const QString& tenYears() {
    static QTemporaryDir folder;
    static const QString where = [] {
        const QString file = folder.filePath(QStringLiteral("archive.db"));
        QString error;
        auto archive = store::SalesArchive::open(file, &error);
        archive->database().sql().transaction();
        for (int day = 0; day < kDays; ++day)
            for (int scale = 0; scale < kScales; ++scale)
                archive->store(closeOf(scale, day), &error);
        archive->database().sql().commit();
        return file;
    }();
    return where;
}

void BM_StoreEntry(benchmark::State& state) {
    QTemporaryDir folder;
    QString error;
    auto archive = store::SalesArchive::open(folder.filePath(QStringLiteral("archive.db")), &error);
    int day = 0;
    for (auto _ : state)
        if (!archive->store(closeOf(0, day++), &error))
            state.SkipWithError("store failed");
}
BENCHMARK(BM_StoreEntry)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryCsvTenYears(benchmark::State& state) {
    const QString& where = tenYears();
    for (auto _ : state) {
        QString error;
        auto archive = store::SalesArchive::open(where, &error);
        auto entries = archive->entries({}, &error);
        if (!entries || entries->size() != size_t(kDays * kScales))
            state.SkipWithError("listing failed");
        benchmark::DoNotOptimize(reports::historyCsv(*entries));
    }
}
BENCHMARK(BM_HistoryCsvTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryWindowOpens(benchmark::State& state) {
    ScaleSession session;
    session.archiveLocation = tenYears();
    for (auto _ : state) {
        HistoryWindow window(session);
        window.show();
        if (window.entries().size() != size_t(kDays * kScales))
            state.SkipWithError("window did not load");
    }
}
BENCHMARK(BM_HistoryWindowOpens)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window shown on the ten years, and its chart views: the day chart's, or the others.
struct ShownWindow {
    ScaleSession session;
    std::unique_ptr<HistoryWindow> window;
    ShownWindow() {
        session.archiveLocation = tenYears();
        window = std::make_unique<HistoryWindow>(session);
        window->show();
    }
    QList<QChartView*> views(bool dayChart) const {
        QList<QChartView*> found;
        for (QChartView* view : window->findChildren<QChartView*>())
            if ((view->chart() == window->dayChart) == dayChart)
                found << view;
        return found;
    }
};

// Another report selected: the hour and clerk charts built anew and painted.
void BM_HistoryChartRedraw(benchmark::State& state) {
    ShownWindow shown;
    const QList<QChartView*> views = shown.views(false);
    int row = 0;
    for (auto _ : state) {
        shown.window->showEntry(row++ % 1000);
        for (QChartView* view : views)
            benchmark::DoNotOptimize(view->grab());
    }
}
BENCHMARK(BM_HistoryChartRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

// The table reloaded and the day chart over the ten years drawn anew and painted.
void BM_HistoryDayChartRedraw(benchmark::State& state) {
    ShownWindow shown;
    QChartView* dayView = shown.views(true).value(0);
    for (auto _ : state) {
        shown.window->loadEntries();
        benchmark::DoNotOptimize(dayView->grab());
    }
}
BENCHMARK(BM_HistoryDayChartRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
