// The utility's own database: what it keeps beyond one run of one window (the PLU rows each scale is
// known to hold, the sales archive). An SQLite file in the data folder by default; a PostgreSQL
// server when named by a postgresql:// address, for a chain whose back office collects from many PCs.
//
// Each part that keeps something here owns its tables and their history as a list of migration
// steps (Database::migrate): the database records, per part, how many steps it has taken, so a newer
// utility opens an older database by running only the steps it lacks, and parts never share a list.
#pragma once

#include "store/ServerWatch.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>

struct sqlite3;

namespace store {

// The file name of the embedded database in the data folder.
inline constexpr const char* databaseFileName = "scale-utility.db";

// The default database of a data folder: <dataFolder>/scale-utility.db.
QString defaultDatabase(const QString& dataFolder);

// One open connection. Qt's connections belong to the thread that opened them: every thread (each
// port of scalectl, the window) opens its own, under a name of its own, closed with the object.
class Database {
public:
    // What a connection may do. A reader creates nothing and writes nothing: an SQLite file opens
    // read-only and reads under SQLite's locks (as unchanging only on a read-only mount), and a
    // missing file is an error instead of a new empty archive.
    enum class Access { ReadWrite, ReadOnly };

    // Opens the database named by `where`: "postgresql://USER@HOST[:PORT]/DB[?OPTION=VALUE&...]"
    // or else an SQLite file path, created when missing (for ReadWrite). A password never goes in
    // the address (it would show in the process list and in every message): libpq reads it from
    // PGPASSWORD or ~/.pgpass. The address's options (sslmode, sslrootcert, connect_timeout, ...) go
    // to libpq as they are. Every wait on the server is bounded: the connection's time-out, TCP
    // keepalives, a statement time-out, and a watch on the client's side that ends a request the
    // server leaves unanswered (ServerWatch; its bound is the address's tcp_user_timeout when given).
    // Null with `error` set when it cannot be opened.
    //
    // SQLite files keep a rollback journal (DELETE), so that a reader that may not write the folder
    // (another user than the one whose cron job writes) still reads under SQLite's locks; a writer
    // switches an archive an earlier version kept in write-ahead logging back to it.
    static std::unique_ptr<Database> open(const QString& where, QString* error,
                                          Access access = Access::ReadWrite);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QSqlDatabase& sql() { return db; }
    bool isPostgres() const { return postgres; }
    // What was named: the file path or the postgresql:// address (which holds no password).
    const QString& location() const { return where; }
    bool readOnly() const { return access == Access::ReadOnly; }
    // The SQLite connection under Qt's, for a read too long for Qt SQL's value-at-a-time rows (a
    // listing of years of closes): null on PostgreSQL, and where Qt's driver runs an SQLite of its
    // own rather than the library this program is linked with, whose connections ours must not touch.
    sqlite3* sqliteHandle() const { return native; }

    // Brings `part`'s tables up to date: runs the steps of `steps` beyond the number this database
    // has recorded for `part`, and records the new number, all in one transaction that holds the
    // database's write lock (safe when several threads or programs open a new database at once). A
    // step is a list of SQL statements written for both engines (or the caller picks by
    // isPostgres()). False with `error` set when a step fails; the migration then leaves nothing
    // behind.
    bool migrate(const QString& part, const QList<QStringList>& steps, QString* error);

    // The steps recorded for `part` (0 for a part never migrated, or a database without parts),
    // -1 with `error` set (when given) when it cannot be read. Reads only: a reader's connection
    // asks it too.
    int version(const QString& part, QString* error = nullptr);

    // Whether the connection to a PostgreSQL server is inside a transaction; false on SQLite.
    bool inServerTransaction() const;

    // Marks, for as long as the result lives, that this thread waits on the server: every statement
    // sent to a PostgreSQL server runs inside one, so that the watch can end a wait the server leaves
    // unanswered. Time spent on rows already received lies outside. Nothing on SQLite.
    [[nodiscard]] ServerWatch::Wait serverWait() const { return ServerWatch::waiting(watch.get()); }

    // The text of the last error of the connection, for messages.
    QString lastError() const;
    // The text of `q`'s error, or the connection's when the query's is empty (a server gone away
    // fails the query without a text of its own).
    QString errorOf(const QSqlQuery& q) const;

private:
    Database(QSqlDatabase db, QString where, bool postgres, Access access);
    // Why a failed statement failed, when the watch cut the connection; else empty.
    QString cutOffReason() const;
    QSqlDatabase db;
    std::unique_ptr<ServerWatch> watch;
    sqlite3* native = nullptr;
    QString where;
    bool postgres;
    Access access;
};

} // namespace store
