// The sales archive's speed on SQLite: storing one entry (it sits between the last read of a Z
// report and the close, synced to the disk), scalectl history's CSV and JSON of ten years of daily
// closes for eight scales (29,200 entries) and its CSV of about a million entries (CPU time and peak
// memory of the program), and the HISTORY window opening on that archive and redrawing a chart.
#include "reports/BarChart.h"
#include "reports/HistoryWindow.h"
#include "reports/SalesHistory.h"
#include "ui/ScaleSession.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// One archive of ten years for the whole run. Each store commits on its own; the bench's copy
// needs no sync to the disk, which would make the filling take minutes.
const QString& tenYears() {
    static QTemporaryDir folder;
    static const QString where = [] {
        const QString file = folder.filePath(QStringLiteral("archive.db"));
        QString error;
        auto archive = store::SalesArchive::open(file, &error);
        QSqlQuery(archive->database().sql()).exec(QStringLiteral("PRAGMA synchronous=OFF"));
        for (int day = 0; day < kDays; ++day)
            for (int scale = 0; scale < kScales; ++scale)
                if (!archive->store(closeOf(scale, day), &error))
                    qFatal("cannot fill the archive: %s", qPrintable(error));
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

// About a million entries: the ten years copied under other PCs' names (a chain's shared archive).
const QString& aMillion() {
    static QTemporaryDir folder;
    static const QString where = [] {
        const QString file = folder.filePath(QStringLiteral("million.db"));
        QFile::copy(tenYears(), file);
        QString error;
        auto archive = store::SalesArchive::open(file, &error);
        QSqlQuery q(archive->database().sql());
        q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        QStringList columns = {QStringLiteral("read_at"),
                               QStringLiteral("read_at_local"),
                               QStringLiteral("identity"),
                               QStringLiteral("port"),
                               QStringLiteral("kind"),
                               QStringLiteral("reads"),
                               QStringLiteral("close_acknowledged"),
                               QStringLiteral("fingerprint")};
        for (const auto& [column, amount] : store::figureColumns())
            columns << column;
        const QString list = columns.join(QLatin1Char(','));
        for (int copy = 1; copy < 35; ++copy)
            if (!q.exec(
                    QStringLiteral("INSERT INTO sales_reports (%1, pc) SELECT %1, 'PC %2' FROM sales_reports "
                                   "WHERE pc = ''")
                        .arg(list)
                        .arg(copy)))
                qFatal("cannot fill the archive: %s", qPrintable(q.lastError().text()));
        return file;
    }();
    return where;
}

// scalectl history as a user runs it, to /dev/null: its CPU time and its peak memory, from the
// kernel's account of the child.
void runHistory(benchmark::State& state, const QString& where, const char* format) {
    double cpu = 0;
    long peakKb = 0;
    for (auto _ : state) {
        const std::string archive = where.toStdString();
        const char* argv[] = {SCALECTL_PATH, "--archive", archive.c_str(), "history",
                              "--format",    format,      nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        if (posix_spawn(&child, SCALECTL_PATH, &actions, nullptr, const_cast<char**>(argv), environ) != 0)
            state.SkipWithError("cannot start scalectl");
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("history failed");
        cpu += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.counters["cpu_s"] = benchmark::Counter(cpu / double(state.iterations()));
    state.counters["peak_MB"] = benchmark::Counter(double(peakKb) / 1024.0);
}

void BM_HistoryCsvTenYears(benchmark::State& state) {
    runHistory(state, tenYears(), "csv");
}
BENCHMARK(BM_HistoryCsvTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryJsonTenYears(benchmark::State& state) {
    runHistory(state, tenYears(), "json");
}
BENCHMARK(BM_HistoryJsonTenYears)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryCsvMillion(benchmark::State& state) {
    runHistory(state, aMillion(), "csv");
}
BENCHMARK(BM_HistoryCsvMillion)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

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

// The window shown on the ten years.
struct ShownWindow {
    ScaleSession session;
    std::unique_ptr<HistoryWindow> window;
    ShownWindow() {
        session.archiveLocation = tenYears();
        window = std::make_unique<HistoryWindow>(session);
        window->show();
    }
};

// Another report selected: the hour and clerk charts built anew and painted.
void BM_HistoryChartRedraw(benchmark::State& state) {
    ShownWindow shown;
    int row = 0;
    for (auto _ : state) {
        shown.window->showEntry(row++ % 1000);
        for (BarChart* chart : {shown.window->hourChart, shown.window->clerkChart})
            benchmark::DoNotOptimize(chart->grab());
    }
}
BENCHMARK(BM_HistoryChartRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

// The table reloaded and the day chart over the ten years drawn anew and painted.
void BM_HistoryDayChartRedraw(benchmark::State& state) {
    ShownWindow shown;
    for (auto _ : state) {
        shown.window->loadEntries();
        benchmark::DoNotOptimize(shown.window->dayChart->grab());
    }
}
BENCHMARK(BM_HistoryDayChartRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
