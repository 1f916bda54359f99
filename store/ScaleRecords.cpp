#include "store/ScaleRecords.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace store {

namespace {

const QString part = QStringLiteral("scale_records");

// The written fields travel as hexadecimal text: one column type for SQLite and PostgreSQL alike,
// and readable in a back office's query tool. NULL is a PLU the scale does not hold.
const QList<QStringList> steps = {
    {QStringLiteral("CREATE TABLE scale_plu_rows (port TEXT NOT NULL, identity TEXT NOT NULL, "
                    "plu INTEGER NOT NULL, fields TEXT, PRIMARY KEY (port, identity, plu))")},
};

} // namespace

std::unique_ptr<ScaleRecords> ScaleRecords::open(const QString& where, QString* error) {
    auto db = Database::open(where, error);
    if (!db)
        return nullptr;
    if (!db->migrate(part, steps, error))
        return nullptr;
    // A real write, taken back: a read-only file, a full disk's refusal or a server's missing
    // privilege shows here, before the first exchange, not after the first row was sent.
    const ServerWatch::Wait wait = db->serverWait();
    QSqlQuery probe(db->sql());
    bool writable = db->sql().transaction() &&
                    probe.exec(QStringLiteral("INSERT INTO scale_plu_rows (port, identity, plu, fields) "
                                              "VALUES ('', '', -1, NULL)"));
    if (!writable)
        *error = QStringLiteral("%1: %2").arg(where, db->errorOf(probe));
    db->sql().rollback();
    if (!writable)
        return nullptr;
    return std::unique_ptr<ScaleRecords>(new ScaleRecords(std::move(db)));
}

bool ScaleRecords::fail(const QString& what) {
    error = QStringLiteral("%1: %2").arg(db->location(), what);
    return false;
}

bool ScaleRecords::select(const QString& scalePort, const QString& scaleIdentity) {
    port = scalePort;
    identity = scaleIdentity;
    rows.clear();
    const ServerWatch::Wait wait = db->serverWait();
    QSqlQuery q(db->sql());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT plu, fields FROM scale_plu_rows WHERE port = ? AND identity = ?"));
    q.addBindValue(port);
    q.addBindValue(identity);
    if (!q.exec())
        return fail(q.lastError().text());
    while (q.next())
        rows[q.value(0).toInt()] = QByteArray::fromHex(q.value(1).toString().toLatin1());
    return true;
}

bool ScaleRecords::keep(int plu, const QByteArray& fields) {
    const ServerWatch::Wait wait = db->serverWait();
    QSqlQuery q(db->sql());
    q.prepare(QStringLiteral("INSERT INTO scale_plu_rows (port, identity, plu, fields) VALUES (?, ?, ?, ?) "
                             "ON CONFLICT (port, identity, plu) DO UPDATE SET fields = excluded.fields"));
    q.addBindValue(port);
    q.addBindValue(identity);
    q.addBindValue(plu);
    q.addBindValue(fields.isEmpty() ? QVariant() : QVariant(QString::fromLatin1(fields.toHex())));
    if (!q.exec())
        return fail(q.lastError().text());
    rows[plu] = fields;
    return true;
}

bool ScaleRecords::forget(int plu) {
    const ServerWatch::Wait wait = db->serverWait();
    QSqlQuery q(db->sql());
    q.prepare(QStringLiteral("DELETE FROM scale_plu_rows WHERE port = ? AND identity = ? AND plu = ?"));
    q.addBindValue(port);
    q.addBindValue(identity);
    q.addBindValue(plu);
    if (!q.exec())
        return fail(q.lastError().text());
    rows.erase(plu);
    return true;
}

} // namespace store
