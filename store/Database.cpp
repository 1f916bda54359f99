#include "store/Database.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <utility>

namespace store {

namespace {

QString nextConnectionName() {
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("scale-utility-%1").arg(++counter);
}

// How long a writer waits for another writer of the same SQLite file (several ports of scalectl,
// the window beside a cron job) before the write fails.
constexpr int busyTimeoutMs = 10000;

} // namespace

QString defaultDatabase(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QString::fromLatin1(databaseFileName));
}

Database::Database(QSqlDatabase db, QString where, bool postgres)
    : db(std::move(db)), where(std::move(where)), postgres(postgres) {}

Database::~Database() {
    const QString name = db.connectionName();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

std::unique_ptr<Database> Database::open(const QString& where, QString* error) {
    const bool postgres =
        where.startsWith(QStringLiteral("postgresql://")) || where.startsWith(QStringLiteral("postgres://"));
    const QString name = nextConnectionName();
    QSqlDatabase db;
    if (postgres) {
        const QUrl url(where, QUrl::StrictMode);
        const QString dbName = url.path().mid(1);
        if (!url.isValid() || url.host().isEmpty() || dbName.isEmpty() || dbName.contains(QLatin1Char('/'))) {
            *error = QStringLiteral("'%1' is not a postgresql://USER@HOST[:PORT]/DB address").arg(where);
            return nullptr;
        }
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            *error = QStringLiteral("the PostgreSQL driver of Qt SQL is not installed");
            return nullptr;
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(url.host());
        db.setPort(url.port(5432));
        db.setDatabaseName(dbName);
        if (!url.userName().isEmpty())
            db.setUserName(url.userName());
        if (!url.password().isEmpty())
            db.setPassword(url.password());
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    } else {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
            *error = QStringLiteral("the SQLite driver of Qt SQL is not installed");
            return nullptr;
        }
        const QFileInfo file(where);
        if (!file.absoluteDir().exists()) {
            *error = QStringLiteral("%1: no such folder").arg(file.absolutePath());
            return nullptr;
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(where);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    }
    // The connection lives in the object alone, so that removing it on failure finds it unused.
    std::unique_ptr<Database> opened(new Database(std::exchange(db, QSqlDatabase()), where, postgres));
    if (!opened->db.open()) {
        *error = QStringLiteral("%1: %2").arg(where, opened->lastError());
        return nullptr;
    }
    if (postgres) {
        // The server's notices ("already exists, skipping") would reach scalectl's stderr.
        QSqlQuery(opened->db).exec(QStringLiteral("SET client_min_messages = warning"));
    } else {
        // A file that is not a database fails here, not at the first real statement. WAL lets the
        // window read while a cron job writes; synchronous NORMAL keeps a commit to a few ms while a
        // crash still loses at most the transaction in flight.
        QSqlQuery q(opened->db);
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
            !q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
            !q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            *error = QStringLiteral("%1: %2").arg(where, q.lastError().text());
            return nullptr;
        }
    }
    return opened;
}

QString Database::lastError() const {
    return db.lastError().text();
}

int Database::version(const QString& part) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_versions "
                               "(part VARCHAR(64) PRIMARY KEY, version INTEGER NOT NULL)")))
        return -1;
    q.prepare(QStringLiteral("SELECT version FROM schema_versions WHERE part = ?"));
    q.addBindValue(part);
    if (!q.exec())
        return -1;
    return q.next() ? q.value(0).toInt() : 0;
}

bool Database::migrate(const QString& part, const QList<QStringList>& steps, QString* error) {
    int have = version(part);
    if (have < 0) {
        *error = QStringLiteral("%1: %2").arg(where, lastError());
        return false;
    }
    if (have > steps.size()) {
        *error = QStringLiteral("%1: written by a newer version of the utility (%2 version %3)")
                     .arg(where, part)
                     .arg(have);
        return false;
    }
    for (int step = have; step < steps.size(); ++step) {
        if (!db.transaction()) {
            *error = QStringLiteral("%1: %2").arg(where, lastError());
            return false;
        }
        QSqlQuery q(db);
        bool ok = true;
        for (const QString& statement : steps[step]) {
            if (!q.exec(statement)) {
                ok = false;
                break;
            }
        }
        if (ok) {
            q.prepare(step == 0 ? QStringLiteral("INSERT INTO schema_versions (version, part) VALUES (?, ?)")
                                : QStringLiteral("UPDATE schema_versions SET version = ? WHERE part = ?"));
            q.addBindValue(step + 1);
            q.addBindValue(part);
            ok = q.exec();
        }
        if (!ok || !db.commit()) {
            *error = QStringLiteral("%1: %2").arg(where, q.lastError().text());
            db.rollback();
            return false;
        }
    }
    return true;
}

} // namespace store
