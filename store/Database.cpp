#include "store/Database.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <chrono>
#include <thread>
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

// Switches the file to write-ahead logging. Connections that open the same new file at the same
// moment (the ports of one scalectl run) each ask for the switch, and SQLite refuses it at once as
// "locked" while another connection holds the file, without waiting out the busy time-out: the
// switch is asked again until then.
bool switchToWal(QSqlQuery& q) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(busyTimeoutMs);
    for (;;) {
        if (q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            return true;
        if (q.lastError().nativeErrorCode() != QStringLiteral("5") ||
            std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

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
        if (!switchToWal(q) || !q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
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
    // The whole migration holds the database's write lock from the version's read to the last step:
    // the ports of one scalectl run, or a cron job beside the window, open a new database at the same
    // moment, and each would otherwise run the first step against tables another has just made.
    // SQLite takes the lock with BEGIN IMMEDIATE (others wait out the busy time-out); PostgreSQL with
    // a transaction-scoped advisory lock. A step that fails takes back the whole migration.
    QSqlQuery q(db);
    auto fail = [&](const QString& why) {
        *error = QStringLiteral("%1: %2").arg(where, why);
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!q.exec(postgres ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        return fail(q.lastError().text());
    if (postgres && !q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7370416)")))
        return fail(q.lastError().text());
    const int have = version(part);
    if (have < 0)
        return fail(lastError());
    if (have > steps.size())
        return fail(
            QStringLiteral("written by a newer version of the utility (%1 version %2)").arg(part).arg(have));
    for (int step = have; step < steps.size(); ++step)
        for (const QString& statement : steps[step])
            if (!q.exec(statement))
                return fail(q.lastError().text());
    if (have < steps.size()) {
        q.prepare(have == 0 ? QStringLiteral("INSERT INTO schema_versions (version, part) VALUES (?, ?)")
                            : QStringLiteral("UPDATE schema_versions SET version = ? WHERE part = ?"));
        q.addBindValue(int(steps.size()));
        q.addBindValue(part);
        if (!q.exec())
            return fail(q.lastError().text());
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail(q.lastError().text());
    return true;
}

} // namespace store
