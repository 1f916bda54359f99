// Where a test keeps a database of its own: an SQLite file in a temporary folder, or a fresh database
// on the run's PostgreSQL test server (tools/pg-test-server.sh, started by the ctest fixture), so that
// tests running at once never see each other's rows.
//
//     ArchiveLocation where = archiveLocation(GetParam().postgres, folder);
//     if (where.location.isEmpty())
//         GTEST_SKIP() << where.skipReason.toStdString();
#pragma once

#include "store/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <ostream>

struct ArchiveEngine {
    const char* name;
    bool postgres;
};

inline void PrintTo(const ArchiveEngine& engine, std::ostream* out) {
    *out << engine.name;
}

inline const ArchiveEngine kSqlite{"Sqlite", false};
inline const ArchiveEngine kPostgres{"Postgres", true};

struct ArchiveLocation {
    QString location;   // empty when the test must skip
    QString skipReason; // why
};

inline ArchiveLocation archiveLocation(bool postgres, const QTemporaryDir& folder) {
    if (!postgres)
        return {folder.filePath(QStringLiteral("archive.db")), {}};
#ifdef PG_TEST_SERVER
    const QString server = QStringLiteral(PG_TEST_SERVER);
#else
    const QString server;
#endif
    QFile missing(server + QStringLiteral("/missing"));
    if (missing.open(QIODevice::ReadOnly))
        return {{}, QString::fromUtf8(missing.readAll()).trimmed()};
    QFile urlFile(server + QStringLiteral("/url"));
    if (!urlFile.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "the PostgreSQL test server did not start: no " << urlFile.fileName().toStdString();
        return {{}, QStringLiteral("no test server")};
    }
    QUrl url(QString::fromUtf8(urlFile.readAll()).trimmed());
    QString error;
    auto db = store::Database::open(url.toString(), &error);
    static int counter = 0;
    const QString name = QStringLiteral("test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    if (!db || !QSqlQuery(db->sql()).exec(QStringLiteral("CREATE DATABASE ") + name)) {
        ADD_FAILURE() << "cannot create a database on the test server: " << error.toStdString();
        return {{}, QStringLiteral("no test database")};
    }
    url.setPath(QLatin1Char('/') + name);
    return {url.toString(), {}};
}
