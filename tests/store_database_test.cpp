// The utility's database: opening a file or refusing what is not one, and each part's migration
// steps taken once, in order, so that a newer utility opens an older database.
#include "store/Database.h"

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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
