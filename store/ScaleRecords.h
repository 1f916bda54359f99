// What the utility knows each scale holds: for every scale it has talked to (the port as named,
// COM1 or socket://host:4001, and the identity the scale reports), the written part of each PLU as
// last proved by an exchange: a row written and acknowledged, a row read, or a PLU read as absent.
// A price update then sends only what differs from it.
//
// Every change is committed before the call returns, so a killed program or a pulled cable loses at
// most the PLU in flight. The tables are the part "scale_records" of the utility's database.
#pragma once

#include "store/Database.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>

namespace store {

class ScaleRecords {
public:
    // Opens the database at `where` (store::Database::open), brings the part's tables up to date and
    // checks that it can be written, so that a transfer never starts on a record it cannot keep.
    // Null with `error` set otherwise.
    static std::unique_ptr<ScaleRecords> open(const QString& where, QString* error);

    // Makes the scale on `port` with `identity` the one the calls below read and write, and loads
    // what is known of it. False with lastError() when it cannot be read.
    bool select(const QString& port, const QString& identity);

    // PLU number -> the written fields as the scale holds them; an empty value: the scale does not
    // hold that PLU. A PLU that is not listed is unknown.
    const std::map<int, QByteArray>& known() const { return rows; }

    // Records that the scale holds `fields` for `plu` (empty: holds no such PLU).
    bool keep(int plu, const QByteArray& fields);
    // Records that what the scale holds for `plu` is unknown (a write is about to go out).
    bool forget(int plu);

    const QString& lastError() const { return error; }

private:
    explicit ScaleRecords(std::unique_ptr<Database> db) : db(std::move(db)) {}
    bool fail(const QString& what);

    std::unique_ptr<Database> db;
    QString port;
    QString identity;
    std::map<int, QByteArray> rows;
    QString error;
};

} // namespace store
