// The archive among the system's other users and processes: readers as another user while root
// writes, writers killed part way, and a PostgreSQL server that stops answering. POSIX only.
#include "store/Database.h"
#include "store/SalesArchive.h"
#include "store/ServerWatch.h"
#include "tests/support/ArchiveEntries.h"
#include "tests/support/ArchiveLocation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <mutex>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <variant>

// Another user's view of an archive: a folder of its own under the system's temporary folder that
// `nobody` may enter and read but not write (root's cron job writes there), and scalectl beside it,
// where nobody may run it whatever folder the build is in. Empty with `skip` set where no other user
// can be taken (not root) or reach it.
struct NobodysView {
    QTemporaryDir folder{QDir::tempPath() + "/archive-readers-XXXXXX"};
    QString archive;
    QString scalectl;
    QString skip;

    NobodysView() {
        archive = folder.filePath("archive.db");
        scalectl = folder.filePath("scalectl");
        if (geteuid() != 0) {
            skip = "reading as another user needs root";
            return;
        }
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                 QFileDevice::ExeOther);
        QFile::copy(SCALECTL_PATH, scalectl);
        if (QProcess::execute("runuser", {"-u", "nobody", "--", "test", "-x", scalectl}) != 0)
            skip = "nobody cannot reach " + folder.path();
    }

    struct Listing {
        int exitCode;
        QByteArray out;
        QByteArray err;
    };
    Listing list() const {
        QProcess reader;
        reader.start("runuser", {"-u", "nobody", "--", scalectl, "--archive", archive, "history"});
        reader.waitForFinished(120000);
        return {reader.exitStatus() == QProcess::NormalExit ? reader.exitCode() : -1,
                reader.readAllStandardOutput(), reader.readAllStandardError()};
    }
};

// The documents of a listing's rows when every row is whole and they run 1, 2, 3, ...; else why not.
std::variant<int, std::string> consecutiveDocuments(const QByteArray& csv) {
    QList<QByteArray> lines = csv.split('\n');
    if (lines.isEmpty() || !lines.last().isEmpty())
        return "the listing does not end with a line's end";
    lines.removeLast();
    const qsizetype fields = lines.value(0).count(',') + 1;
    for (qsizetype row = 1; row < lines.size(); ++row) {
        const QList<QByteArray> values = lines[row].split(',');
        if (values.size() != fields || values[5].toLongLong() != row)
            return "row " + std::to_string(row) + " is " + lines[row].left(80).toStdString();
    }
    return int(lines.size() - 1);
}

// An entry of a writer of the test, numbered by its document.
store::ArchiveEntry numberedEntry(int document) {
    store::ArchiveEntry entry = distinctEntry("SCALE A", store::ReportKind::Z,
                                              QDateTime(QDate(2026, 3, 2), QTime(18, 30)).addSecs(document));
    entry.figures.document = document;
    return entry;
}

// Root's writer migrates an archive an earlier release kept in write-ahead logging and then adds
// entries one by one, while `nobody`, who may not write the folder, lists it again and
// again. Every listing that ends well is whole (every row complete, the documents running on without a gap)
// and holds every entry committed before it started; one that cannot read says why and ends non-zero.
TEST(SqliteReaders, ReaderThatMayNotWriteTheFolderListsWhileRootWrites) {
    NobodysView view;
    if (!view.skip.isEmpty())
        GTEST_SKIP() << view.skip.toStdString();
    constexpr int older = 1500;
    QString error;
    {
        auto db = store::Database::open(view.archive, &error);
        ASSERT_TRUE(db) << error.toStdString();
        ASSERT_TRUE(db->migrate("sales_archive", releasedSteps(false, 2), &error)) << error.toStdString();
        QSqlQuery q(db->sql());
        ASSERT_TRUE(q.exec("PRAGMA journal_mode=WAL") && q.exec("BEGIN"));
        for (int document = 1; document <= older; ++document)
            ASSERT_TRUE(insertAsReleased(*db, numberedEntry(document)));
        ASSERT_TRUE(q.exec("COMMIT"));
    }
    std::atomic<int> committed{older};
    std::mutex mutex;
    std::condition_variable stop;
    bool stopping = false;
    QString writerError;
    // A writer at a cash desk's pace rather than flat out, which would keep a reader from ever
    // finding the file between two commits.
    std::thread writer([&] {
        auto archive = store::SalesArchive::open(view.archive, &writerError);
        std::unique_lock lock(mutex);
        for (int document = older + 1;
             archive && !stop.wait_for(lock, std::chrono::milliseconds(3), [&] { return stopping; });
             ++document) {
            if (!archive->store(numberedEntry(document), &writerError))
                return;
            committed = document;
        }
    });
    int whole = 0;
    std::set<std::string> reasons;
    for (int run = 0; run < 8; ++run) {
        const int before = committed;
        const NobodysView::Listing listing = view.list();
        if (listing.exitCode != 0) {
            EXPECT_FALSE(listing.err.trimmed().isEmpty()) << "exit " << listing.exitCode << " without a word";
            reasons.insert(listing.err.trimmed().toStdString());
            continue;
        }
        const auto rows = consecutiveDocuments(listing.out);
        ASSERT_TRUE(std::holds_alternative<int>(rows)) << std::get<std::string>(rows);
        EXPECT_GE(std::get<int>(rows), before) << "a listing without entries committed before it";
        ++whole;
    }
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    stop.notify_all();
    writer.join();
    ASSERT_TRUE(writerError.isEmpty()) << writerError.toStdString();
    // The writer, alone with the file when it opened it, switched it to the rollback journal: the
    // header's read and write versions are 1 again.
    QFile header(view.archive);
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    EXPECT_EQ(header.read(20).mid(18).toHex(), "0101");
    const NobodysView::Listing last = view.list();
    ASSERT_EQ(last.exitCode, 0) << last.err.toStdString();
    EXPECT_EQ(consecutiveDocuments(last.out), (std::variant<int, std::string>(committed.load())));
    EXPECT_GT(whole, 0);
    for (const std::string& reason : reasons)
        std::cout << "a listing ended non-zero: " << reason << '\n';
}

// A writer killed after its commit leaves its entry where the next reader sees it; one killed part
// way through a write leaves a journal that only a writer may roll back, and the reader who may not
// says so and ends non-zero until a writer has opened the archive.
TEST(SqliteReaders, WriterKilledAfterOrDuringItsWrite) {
    struct Case {
        const char* name;
        bool committed;
    };
    for (const Case& c : {Case{"killed after its commit", true}, Case{"killed part way", false}}) {
        SCOPED_TRACE(c.name);
        NobodysView view;
        if (!view.skip.isEmpty())
            GTEST_SKIP() << view.skip.toStdString();
        QString error;
        {
            auto archive = store::SalesArchive::open(view.archive, &error);
            ASSERT_TRUE(archive && archive->store(numberedEntry(1), &error)) << error.toStdString();
        }
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto archive = store::SalesArchive::open(view.archive, &error);
            QSqlQuery q(archive->database().sql());
            if (c.committed)
                archive->store(numberedEntry(2), &error);
            else // a write larger than the page cache: pages reach the file before the commit
                q.exec("PRAGMA cache_size=10"), q.exec("BEGIN IMMEDIATE"),
                    q.exec("CREATE TABLE filler AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                           "FROM n WHERE i < 5000) SELECT i, randomblob(200) FROM n");
            raise(SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        const NobodysView::Listing listing = view.list();
        if (c.committed) {
            EXPECT_EQ(listing.exitCode, 0) << listing.err.toStdString();
            EXPECT_EQ(consecutiveDocuments(listing.out), (std::variant<int, std::string>(2)));
            continue;
        }
        EXPECT_NE(listing.exitCode, 0);
        EXPECT_TRUE(listing.err.contains("a write was cut off part way")) << listing.err.toStdString();
        ASSERT_TRUE(store::SalesArchive::open(view.archive, &error)) << error.toStdString();
        const NobodysView::Listing after = view.list();
        EXPECT_EQ(after.exitCode, 0) << after.err.toStdString();
        EXPECT_EQ(consecutiveDocuments(after.out), (std::variant<int, std::string>(1)));
    }
}

// The address's options reach the server's client library as they are: an application name shows
// in the server's view of the connection; a demand for encryption the test server cannot meet is
// refused, not dropped.
TEST(StorePostgres, AddressOptionsGoThroughToTheConnection) {
    QTemporaryDir folder;
    const ArchiveLocation location = archiveLocation(true, folder);
    if (location.location.isEmpty())
        GTEST_SKIP() << location.skipReason.toStdString();
    QString error;
    auto db = store::Database::open(location.location + "?application_name=till%202", &error);
    ASSERT_TRUE(db) << error.toStdString();
    QSqlQuery q(db->sql());
    ASSERT_TRUE(q.exec("SELECT current_setting('application_name'), current_setting('statement_timeout')"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "till 2");
    EXPECT_EQ(q.value(1).toString(), "30s");
    EXPECT_FALSE(store::Database::open(location.location + "?sslmode=require", &error));
    EXPECT_TRUE(error.contains("SSL")) << error.toStdString();
}

// A server process that stops answering after the connection was made (its kernel still takes
// every byte, so neither the time-outs nor the keepalives see it) fails the waiting statement once
// the bound has passed, with a reason that says so; a connection that is idle or still receiving is
// never cut.
TEST(StorePostgres, ServerThatStopsAnsweringFailsTheStatementAfterTheBound) {
    using ms = std::chrono::milliseconds;
    EXPECT_TRUE(store::ServerWatch::overdue(ms(2000), ms(9000), ms(1500))) << "asked, no answer";
    EXPECT_FALSE(store::ServerWatch::overdue(ms(1000), ms(9000), ms(1500))) << "asked, still in the bound";
    EXPECT_FALSE(store::ServerWatch::overdue(ms(9000), ms(100), ms(1500))) << "rows still coming";

    QTemporaryDir folder;
    const ArchiveLocation location = archiveLocation(true, folder);
    if (location.location.isEmpty())
        GTEST_SKIP() << location.skipReason.toStdString();
    QString error;
    auto db = store::Database::open(location.location + "?tcp_user_timeout=1500", &error);
    ASSERT_TRUE(db) << error.toStdString();
    QSqlQuery q(db->sql());
    ASSERT_TRUE(q.exec("SELECT pg_backend_pid()") && q.next()) << db->errorOf(q).toStdString();
    const pid_t backend = pid_t(q.value(0).toInt());
    ASSERT_GT(backend, 0);
    ASSERT_EQ(kill(backend, SIGSTOP), 0);
    const bool answered = [&] {
        const store::ServerWatch::Wait wait = db->serverWait();
        return q.exec("SELECT 1");
    }();
    const QString reason = db->errorOf(q);
    kill(backend, SIGCONT);
    EXPECT_FALSE(answered);
    EXPECT_TRUE(reason.startsWith("the server did not answer within 1.5 s")) << reason.toStdString();
}

// A listing written out slowly (into a pipe whose reader empties it late) keeps the server waiting,
// not the client: the listing ends whole however long the client dwells on its rows, with the bound
// on the server's silence shrunk (the address's tcp_user_timeout) to a fraction of that dwell.
TEST(StorePostgres, SlowConsumerOfAListingIsNotCutOff) {
    QTemporaryDir folder;
    const ArchiveLocation location = archiveLocation(true, folder);
    if (location.location.isEmpty())
        GTEST_SKIP() << location.skipReason.toStdString();
    QString error;
    auto archive = store::SalesArchive::open(location.location + "?tcp_user_timeout=400", &error);
    ASSERT_TRUE(archive) << error.toStdString();
    // More rows than the sockets' buffers hold, so that the server must wait for the client.
    constexpr int entries = 20000;
    QStringList columns;
    for (const auto& [column, amount] : store::figureColumns())
        columns << column;
    QSqlQuery q(archive->database().sql());
    ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO sales_reports (read_at, read_at_local, identity, port, "
                                      "kind, fingerprint, %1) SELECT '2026-03-02T18:30:00Z', "
                                      "'2026-03-02T19:30:00', 'SCALE A', 'COM1', 'Z', md5(g::text) || "
                                      "md5(g::text), %2 FROM generate_series(1, %3) g")
                           .arg(columns.join(','), QStringList(columns.size(), "g").join(','))
                           .arg(entries)))
        << q.lastError().text().toStdString();
    int listed = 0;
    const bool read = archive->forEachEntry({}, &error, [&listed](const store::ArchiveEntry& entry) {
        if (listed++ == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        return entry.figures.document == listed;
    });
    EXPECT_TRUE(read) << error.toStdString();
    EXPECT_EQ(listed, entries);
}