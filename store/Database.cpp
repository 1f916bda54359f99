#include "store/Database.h"

#include "store/ReadOnlyMedia.h"
#include "store/SystemCalls.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <utility>

#include <libpq-fe.h>
#include <sqlite3.h>

namespace store {

namespace {

QString nextConnectionName() {
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("scale-utility-%1").arg(++counter);
}

// How long a writer waits for another writer of the same SQLite file (several ports of scalectl,
// the window beside a cron job) before the write fails.
constexpr int busyTimeoutMs = 10000;

// Keeps the file in rollback-journal mode (DELETE). A reader takes its shared lock on the database
// file itself, which needs no right to write, where write-ahead logging needs a shared-memory file
// that a reader must be able to create or write. An archive an earlier version switched to the log
// is switched back here; SQLite refuses that at once as locked while another connection holds the
// file in the log (the other ports of one run, a reader), and the writer then writes in the log as
// they do, until a writer finds itself alone with the file.
bool useRollbackJournal(QSqlQuery& q) {
    if (q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")))
        return true;
    const QString code = q.lastError().nativeErrorCode();
    return code == QStringLiteral("5") || code == QStringLiteral("6");
}

// Why a reader could not read `file` (SQLite said `why`), where the reason is one the reader's
// rights make: a journal that only a writer may roll back, or a write-ahead log whose shared-memory
// file the reader can neither make nor find.
QString whyReaderCannotRead(const QString& file, const QString& why) {
    if (QFileInfo(file + QStringLiteral("-journal")).size() > 0)
        return QStringLiteral("%1: a write was cut off part way and left a journal that only a user who "
                              "may write the folder can roll back: open the archive once with write "
                              "access (%2)")
            .arg(file, why);
    // The header's read and write versions are 2 for a file in write-ahead logging.
    QFile header(file);
    if (header.open(QIODevice::ReadOnly) && header.read(20).mid(18) == QByteArray("\x02\x02", 2))
        return QStringLiteral("%1: the archive keeps a write-ahead log, which a user who may not write its "
                              "folder cannot read while no writer has it open: open it once with write "
                              "access, which switches it to a rollback journal (%2)")
            .arg(file, why);
    return QStringLiteral("%1: %2").arg(file, why);
}

// The SQLite connection behind Qt's, when Qt's driver runs the very library this program is linked
// with: asked from the driver's own plugin, its sqlite3_open_v2 is ours. A Qt built with an SQLite
// inside its driver carries a copy with its own state, and a connection of that copy is never
// handed to ours.
sqlite3* sharedSqliteHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0 ||
        !libraryResolvesTo(db.driver()->metaObject(), "sqlite3_open_v2",
                           reinterpret_cast<void*>(&sqlite3_open_v2)))
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

} // namespace

QString defaultDatabase(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QString::fromLatin1(databaseFileName));
}

Database::Database(QSqlDatabase db, QString where, bool postgres, Access access)
    : db(std::move(db)), where(std::move(where)), postgres(postgres), access(access) {}

Database::~Database() {
    // The watch goes first: once the connection closes, its descriptor's number may be another's.
    watch.reset();
    const QString name = db.connectionName();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

namespace {

// How long any one wait on a PostgreSQL server may last, in seconds: the connection, a statement,
// a peer that stopped answering.
constexpr int serverWaitSeconds = 30;

// libpq's connection options for the address's query (sslmode=require&connect_timeout=5), with the
// bounds on every wait added where the address does not set them; empty with `error` set when an
// option cannot be passed on. Qt's driver joins the options with blanks into libpq's connection
// string, so a value is quoted as that string quotes.
QString connectOptions(const QUrl& url, QString* error) {
    QStringList options;
    QStringList named;
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key.compare(QLatin1String("password"), Qt::CaseInsensitive) == 0) {
            *error =
                QStringLiteral("a password is never part of the address: give it in PGPASSWORD or ~/.pgpass");
            return {};
        }
        if (key.isEmpty() ||
            !std::all_of(key.begin(), key.end(),
                         [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }) ||
            value.contains(QLatin1Char(';'))) {
            *error = QStringLiteral("'%1' is not an option of a PostgreSQL connection").arg(key);
            return {};
        }
        QString quoted = value;
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('\''), QStringLiteral("\\'"));
        options << QStringLiteral("%1='%2'").arg(key, quoted);
        named << key;
    }
    const std::pair<const char*, int> bounds[] = {
        {"connect_timeout", 10},    {"keepalives", 1},       {"keepalives_idle", 10},
        {"keepalives_interval", 5}, {"keepalives_count", 4}, {"tcp_user_timeout", serverWaitSeconds * 1000}};
    for (const auto& [key, value] : bounds)
        if (!named.contains(QLatin1String(key)))
            options << QStringLiteral("%1=%2").arg(QLatin1String(key)).arg(value);
    return options.join(QLatin1Char(';'));
}

// How long the client waits for an answer before it cuts the connection: the address's
// tcp_user_timeout when it sets one, else a little beyond the server's own statement time-out, so
// that a statement the server ends itself reports the server's reason.
std::chrono::milliseconds silenceBound(const QUrl& url) {
    const QString given = QUrlQuery(url).queryItemValue(QStringLiteral("tcp_user_timeout"));
    bool ok = false;
    const int ms = given.toInt(&ok);
    return std::chrono::milliseconds(ok && ms > 0 ? ms : (serverWaitSeconds + 5) * 1000);
}

// libpq's connection behind an open PostgreSQL connection, null when the driver does not tell.
PGconn* connectionOf(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    // Qt names the handle's type by libpq's struct behind the PGconn typedef.
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "pg_conn*") != 0 && qstrcmp(handle.typeName(), "PGconn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

} // namespace

std::unique_ptr<Database> Database::open(const QString& where, QString* error, Access access) {
    const bool postgres =
        where.startsWith(QStringLiteral("postgresql://")) || where.startsWith(QStringLiteral("postgres://"));
    const QString name = nextConnectionName();
    findDriversBesideProgram();
    QSqlDatabase db;
    QString shown = where;
    if (postgres) {
        QUrl url(where, QUrl::StrictMode);
        const QString dbName = url.path().mid(1);
        // Messages name the address without its password, whatever was given.
        const bool password = !url.password().isEmpty();
        url.setPassword(QString());
        QUrlQuery query(url);
        query.removeAllQueryItems(QStringLiteral("password"));
        QUrl withoutPassword = url;
        withoutPassword.setQuery(query);
        shown = withoutPassword.toString();
        if (!url.isValid() || url.host().isEmpty() || dbName.isEmpty() || dbName.contains(QLatin1Char('/'))) {
            *error = QStringLiteral("'%1' is not a postgresql://USER@HOST[:PORT]/DB address").arg(shown);
            return nullptr;
        }
        if (password) {
            *error = QStringLiteral("%1: a password is never part of the address: give it in PGPASSWORD "
                                    "or ~/.pgpass")
                         .arg(shown);
            return nullptr;
        }
        const QString options = connectOptions(url, error);
        if (options.isEmpty()) {
            *error = QStringLiteral("%1: %2").arg(shown, *error);
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
        db.setConnectOptions(options);
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
        if (access == Access::ReadOnly && !file.isFile()) {
            *error = QStringLiteral("no archive at %1").arg(where);
            return nullptr;
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
        if (access == Access::ReadOnly && onReadOnlyMedia(file.absoluteFilePath())) {
            // Only a file on a read-only mount cannot change while it is read: read without locks,
            // which SQLite could not take there.
            QUrl uri = QUrl::fromLocalFile(file.absoluteFilePath());
            uri.setScheme(QStringLiteral("file"));
            uri.setQuery(QStringLiteral("immutable=1"));
            db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
            options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
        } else {
            db.setDatabaseName(where);
            if (access == Access::ReadOnly)
                options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        }
        db.setConnectOptions(options);
    }
    // The connection lives in the object alone, so that removing it on failure finds it unused.
    std::unique_ptr<Database> opened(
        new Database(std::exchange(db, QSqlDatabase()), shown, postgres, access));
    if (!opened->db.open()) {
        *error = QStringLiteral("%1: %2").arg(shown, opened->lastError());
        return nullptr;
    }
    if (postgres) {
        if (PGconn* connection = connectionOf(opened->db); connection && PQsocket(connection) >= 0)
            opened->watch = std::make_unique<ServerWatch>(PQsocket(connection), silenceBound(QUrl(where)));
    }
    QSqlQuery q(opened->db);
    const ServerWatch::Wait wait = opened->serverWait();
    if (postgres) {
        // The server's notices ("already exists, skipping") would reach scalectl's stderr; a
        // statement the server cannot finish (a lock held by a stalled client) ends after the bound.
        if (!q.exec(QStringLiteral("SET client_min_messages = warning")) ||
            !q.exec(QStringLiteral("SET statement_timeout = %1").arg(serverWaitSeconds * 1000))) {
            *error = QStringLiteral("%1: %2").arg(shown, opened->errorOf(q));
            return nullptr;
        }
    } else {
        // A file that is not a database fails here, not at the first real statement. Synchronous
        // EXTRA syncs the journal and the file at every commit, and the folder once the journal is
        // deleted: that deletion is the commit, and a power cut soon after it could otherwise bring
        // the journal back and take the commit back with it. So a committed entry is on the disk
        // before the close that clears the scale's day goes out. A reader changes neither.
        const bool writer = access == Access::ReadWrite;
        if (writer && (!useRollbackJournal(q) || !q.exec(QStringLiteral("PRAGMA synchronous=EXTRA")))) {
            *error = QStringLiteral("%1: %2").arg(shown, opened->errorOf(q));
            return nullptr;
        }
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            *error = writer ? QStringLiteral("%1: %2").arg(shown, opened->errorOf(q))
                            : whyReaderCannotRead(shown, opened->errorOf(q));
            return nullptr;
        }
        opened->native = sharedSqliteHandle(opened->db);
    }
    return opened;
}

bool Database::inServerTransaction() const {
    PGconn* connection = postgres ? connectionOf(db) : nullptr;
    return connection && PQtransactionStatus(connection) != PQTRANS_IDLE;
}

QString Database::cutOffReason() const {
    if (!watch || !watch->cutOff())
        return {};
    return QStringLiteral("the server did not answer within %1 s")
        .arg(double(watch->bound().count()) / 1000.0);
}

QString Database::lastError() const {
    const QString text = db.lastError().text();
    const QString cut = cutOffReason();
    return cut.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(cut, text.trimmed());
}

QString Database::errorOf(const QSqlQuery& q) const {
    const QString text = q.lastError().text().trimmed();
    const QString cut = cutOffReason();
    if (!cut.isEmpty())
        return QStringLiteral("%1 (%2)").arg(cut, text.isEmpty() ? db.lastError().text().trimmed() : text);
    return text.isEmpty() ? lastError() : text;
}

int Database::version(const QString& part, QString* error) {
    const ServerWatch::Wait wait = serverWait();
    QSqlQuery q(db);
    auto unreadable = [&] {
        if (error)
            *error = errorOf(q);
        return -1;
    };
    if (!q.exec(postgres ? QStringLiteral("SELECT to_regclass('schema_versions') IS NOT NULL")
                         : QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                          "AND name = 'schema_versions'")) ||
        !q.next())
        return unreadable();
    if (!q.value(0).toBool())
        return 0;
    q.prepare(QStringLiteral("SELECT version FROM schema_versions WHERE part = ?"));
    q.addBindValue(part);
    if (!q.exec())
        return unreadable();
    return q.next() ? q.value(0).toInt() : 0;
}

bool Database::migrate(const QString& part, const QList<QStringList>& steps, QString* error) {
    // The whole migration holds the database's write lock from the version's read to the last step:
    // the ports of one scalectl run, or a cron job beside the window, open a new database at the same
    // moment, and each would otherwise run the first step against tables another has just made.
    // SQLite takes the lock with BEGIN IMMEDIATE (others wait out the busy time-out); PostgreSQL with
    // a transaction-scoped advisory lock. A step that fails takes back the whole migration.
    const ServerWatch::Wait wait = serverWait();
    QSqlQuery q(db);
    auto fail = [&](const QString& why) {
        *error = QStringLiteral("%1: %2").arg(where, why);
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    // A database that has every step is only read: a reader's connection (or a role that may only
    // read) takes no lock and makes nothing.
    QString unreadable;
    const int current = version(part, &unreadable);
    if (current == steps.size())
        return true;
    if (current > steps.size() || access == Access::ReadOnly) {
        *error = current < 0 ? QStringLiteral("%1: %2").arg(where, unreadable)
                 : current > steps.size()
                     ? QStringLiteral("%1: written by a newer version of the utility (%2 version %3)")
                           .arg(where, part)
                           .arg(current)
                     : QStringLiteral("%1: %2 needs an update that a reader cannot make: open it once "
                                      "with write access")
                           .arg(where, part);
        return false;
    }
    if (!q.exec(postgres ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        return fail(errorOf(q));
    if (postgres && !q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7370416)")))
        return fail(errorOf(q));
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_versions "
                               "(part VARCHAR(64) PRIMARY KEY, version INTEGER NOT NULL)")))
        return fail(errorOf(q));
    const int have = version(part, &unreadable);
    if (have < 0)
        return fail(unreadable);
    if (have > steps.size())
        return fail(
            QStringLiteral("written by a newer version of the utility (%1 version %2)").arg(part).arg(have));
    for (int step = have; step < steps.size(); ++step)
        for (const QString& statement : steps[step])
            if (!q.exec(statement))
                return fail(errorOf(q));
    if (have < steps.size()) {
        q.prepare(have == 0 ? QStringLiteral("INSERT INTO schema_versions (version, part) VALUES (?, ?)")
                            : QStringLiteral("UPDATE schema_versions SET version = ? WHERE part = ?"));
        q.addBindValue(int(steps.size()));
        q.addBindValue(part);
        if (!q.exec())
            return fail(errorOf(q));
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail(errorOf(q));
    return true;
}

} // namespace store
