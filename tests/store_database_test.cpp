// The utility's database: opening a file or refusing what is not one, and each part's migration
// steps taken once, in order, so that a newer utility opens an older database. The sales archive on
// SQLite and on a real PostgreSQL server: one entry per report however often it is read, an archive
// of the previous schema opening in this one, and the listing's filters.
#include "store/Database.h"
#include "store/SalesArchive.h"
#include "tests/support/ArchiveLocation.h"
#include "tests/support/NamedCase.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QList<QStringList> firstVersion = {{"CREATE TABLE notes (id INTEGER PRIMARY KEY, text VARCHAR(20))"}};
const QList<QStringList> secondVersion = {firstVersion[0],
                                          {"ALTER TABLE notes ADD COLUMN kind INTEGER DEFAULT 7"}};

QStringList openError(const QString& where) {
    QString error;
    auto db = store::Database::open(where, &error);
    return {db ? QStringLiteral("opened") : QStringLiteral("refused"), error};
}

} // namespace

TEST(StoreDatabase, OlderDatabaseIsMigratedStepByStepAndNewerOneRefused) {
    QTemporaryDir dir;
    const QString file = store::defaultDatabase(dir.path());
    QString error;
    {
        auto db = store::Database::open(file, &error);
        ASSERT_TRUE(db) << error.toStdString();
        ASSERT_TRUE(db->migrate("notes", firstVersion, &error)) << error.toStdString();
        QSqlQuery(db->sql()).exec("INSERT INTO notes (text) VALUES ('kept')");
        EXPECT_EQ(db->version("notes"), 1);
        EXPECT_EQ(db->version("other"), 0);
    }
    {
        auto db = store::Database::open(file, &error);
        ASSERT_TRUE(db);
        // Running the first step again would fail (the table exists): only the second may run.
        ASSERT_TRUE(db->migrate("notes", secondVersion, &error)) << error.toStdString();
        QSqlQuery q(db->sql());
        ASSERT_TRUE(q.exec("SELECT text, kind FROM notes"));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), "kept");
        EXPECT_EQ(q.value(1).toInt(), 7);
        EXPECT_TRUE(db->migrate("notes", secondVersion, &error));
    }
    auto db = store::Database::open(file, &error);
    EXPECT_FALSE(db->migrate("notes", firstVersion, &error));
    EXPECT_TRUE(error.contains("newer version")) << error.toStdString();
}

TEST(StoreDatabase, FailedStepLeavesNothingBehind) {
    QTemporaryDir dir;
    QString error;
    auto db = store::Database::open(store::defaultDatabase(dir.path()), &error);
    ASSERT_TRUE(db);
    const QList<QStringList> broken = {{"CREATE TABLE half (x INTEGER)", "NOT SQL AT ALL"}};
    EXPECT_FALSE(db->migrate("broken", broken, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(db->version("broken"), 0);
    EXPECT_FALSE(QSqlQuery(db->sql()).exec("SELECT x FROM half"));
}

TEST(StoreDatabase, WhatIsNoDatabaseIsRefusedWithItsName) {
    QTemporaryDir dir;
    const QString junk = dir.filePath("junk.db");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    struct Case {
        QString where;
        QString says;
    };
    for (const Case& c : {Case{junk, "junk.db"}, Case{dir.filePath("no/such/folder/x.db"), "no such folder"},
                          Case{"postgresql://user@/", "is not a postgresql://"}}) {
        const QStringList got = openError(c.where);
        EXPECT_EQ(got[0], "refused") << c.where.toStdString();
        EXPECT_TRUE(got[1].contains(c.says)) << got[1].toStdString();
    }
}

// A report whose every figure differs, so that a figure landing in another's column shows.
store::ArchiveEntry distinctEntry(const QString& identity, store::ReportKind kind, const QDateTime& readAt) {
    store::ArchiveEntry entry;
    entry.readAt = readAt.toUTC();
    entry.readAtLocal = readAt;
    entry.identity = identity;
    entry.port = QStringLiteral("COM3");
    entry.kind = kind;
    int64_t next = -5000000000LL;
    store::forEachFigure(entry.figures,
                         [&next](const store::FigureColumn&, int64_t& value) { value = next += 7777777; });
    return entry;
}

using testcases::PrintTo;

class SalesArchiveTest : public ::testing::TestWithParam<ArchiveEngine> {
protected:
    QTemporaryDir folder;
    QString where;
    QString error;
    const QDateTime monday{QDate(2026, 3, 2), QTime(18, 30)};

    void SetUp() override {
        ArchiveLocation location = archiveLocation(GetParam().postgres, folder);
        if (location.location.isEmpty())
            GTEST_SKIP() << location.skipReason.toStdString();
        where = location.location;
    }
    std::unique_ptr<store::SalesArchive> open() {
        auto archive = store::SalesArchive::open(where, &error);
        EXPECT_TRUE(archive) << error.toStdString();
        return archive;
    }
    std::vector<store::ArchiveEntry> list(store::SalesArchive& archive,
                                          const store::HistoryFilter& filter = {}) {
        auto entries = archive.entries(filter, &error);
        EXPECT_TRUE(entries) << error.toStdString();
        return entries ? *entries : std::vector<store::ArchiveEntry>{};
    }
};

TEST_P(SalesArchiveTest, SameReportReadAgainIsOneEntryWhileXAndZAreTwo) {
    auto archive = open();
    ASSERT_TRUE(archive);
    const store::ArchiveEntry x = distinctEntry("SCALE A", store::ReportKind::X, monday);
    const auto first = archive->store(x, &error);
    ASSERT_TRUE(first) << error.toStdString();
    store::ArchiveEntry again = x;
    again.readAt = again.readAt.addSecs(600);
    again.readAtLocal = again.readAtLocal.addSecs(600);
    EXPECT_EQ(archive->store(again, &error), first);
    store::ArchiveEntry z = x;
    z.kind = store::ReportKind::Z;
    z.closeAcknowledged = false;
    const auto zId = archive->store(z, &error);
    ASSERT_TRUE(zId);
    EXPECT_NE(*zId, *first);
    ASSERT_TRUE(archive->recordClose(*zId, true, &error)) << error.toStdString();
    store::ArchiveEntry changed = x; // one figure differs: another report of the same document
    changed.figures.clerks[3].discountTotal += 1;
    EXPECT_NE(archive->store(changed, &error), first);

    const auto entries = list(*archive);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].readAt, x.readAt) << "the first read time stays";
    EXPECT_EQ(entries[0].reads, 2);
    EXPECT_EQ(entries[0].figures, x.figures);
    EXPECT_EQ(entries[0].closeAcknowledged, std::nullopt);
    EXPECT_EQ(entries[1].kind, store::ReportKind::Z);
    EXPECT_EQ(entries[1].closeAcknowledged, std::optional<bool>(true));
    EXPECT_EQ(entries[2].figures, changed.figures);
}

// An archive as the previous version of the utility left it (its first step only) opens, keeps its
// entries and takes the missing step.
TEST_P(SalesArchiveTest, ArchiveOfThePreviousSchemaOpensWithItsEntries) {
    const store::ArchiveEntry kept = distinctEntry("OLD SCALE", store::ReportKind::Z, monday);
    {
        auto db = store::Database::open(where, &error);
        ASSERT_TRUE(db) << error.toStdString();
        const QList<QStringList> steps = store::SalesArchive::migrationSteps(db->isPostgres());
        ASSERT_GE(steps.size(), 2);
        ASSERT_TRUE(db->migrate("sales_archive", steps.mid(0, steps.size() - 1), &error))
            << error.toStdString();
        EXPECT_EQ(db->version("sales_archive"), steps.size() - 1);
    }
    {
        auto archive = open();
        ASSERT_TRUE(archive);
        EXPECT_EQ(archive->database().version("sales_archive"),
                  store::SalesArchive::migrationSteps(archive->database().isPostgres()).size());
        ASSERT_TRUE(archive->store(kept, &error)) << error.toStdString();
    }
    auto archive = open();
    ASSERT_TRUE(archive);
    const auto entries = list(*archive);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].figures, kept.figures);
    EXPECT_EQ(entries[0].identity, "OLD SCALE");
}

TEST_P(SalesArchiveTest, ListingTakesOneScaleAndTheShopsDaysOldestFirst) {
    auto archive = open();
    ASSERT_TRUE(archive);
    // Stored out of order; the days are the shop's local days.
    const QDateTime tuesdayEarly(QDate(2026, 3, 3), QTime(0, 30));
    int document = 0;
    for (const auto& [identity, at] : {std::pair{"B", monday.addDays(2)}, std::pair{"A", tuesdayEarly},
                                       std::pair{"A", monday}, std::pair{"A", monday.addDays(-1)}}) {
        store::ArchiveEntry entry = distinctEntry(identity, store::ReportKind::Z, at);
        entry.figures.document = ++document;
        ASSERT_TRUE(archive->store(entry, &error));
    }
    auto days = [&](const store::HistoryFilter& filter) {
        QStringList got;
        for (const auto& e : list(*archive, filter))
            got << e.identity + e.readAtLocal.toString(" ddd");
        return got.join(',').toStdString();
    };
    EXPECT_EQ(days({}), "A Sun,A Mon,A Tue,B Wed");
    EXPECT_EQ(days({"A", {}, {}}), "A Sun,A Mon,A Tue");
    EXPECT_EQ(days({{}, QDate(2026, 3, 2), QDate(2026, 3, 3)}), "A Mon,A Tue");
    EXPECT_EQ(days({{}, QDate(2026, 3, 3), {}}), "A Tue,B Wed");
    EXPECT_EQ(days({"C", {}, {}}), "");
}

INSTANTIATE_TEST_SUITE_P(Engines, SalesArchiveTest, ::testing::Values(kSqlite, kPostgres),
                         testcases::caseName);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
