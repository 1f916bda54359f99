#include "store/SalesArchive.h"

#include <QCryptographicHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>
#include <sqlite3.h>

namespace store {

namespace {

const QString kPart = QStringLiteral("sales_archive");
const QString kTable = QStringLiteral("sales_reports");
const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

// The figures' columns as the first step made them.
const char kFigureColumnsSql[] =
    ", document BIGINT NOT NULL, grand_total BIGINT NOT NULL, tax1 BIGINT NOT NULL"
    ", tax2 BIGINT NOT NULL, tax3 BIGINT NOT NULL, tax4 BIGINT NOT NULL, tax5 BIGINT NOT NULL"
    ", tax6 BIGINT NOT NULL, tax7 BIGINT NOT NULL, tax8 BIGINT NOT NULL, tax9 BIGINT NOT NULL"
    ", hour0_amount BIGINT NOT NULL, hour1_amount BIGINT NOT NULL"
    ", hour2_amount BIGINT NOT NULL, hour3_amount BIGINT NOT NULL"
    ", hour4_amount BIGINT NOT NULL, hour5_amount BIGINT NOT NULL"
    ", hour6_amount BIGINT NOT NULL, hour7_amount BIGINT NOT NULL"
    ", hour8_amount BIGINT NOT NULL, hour9_amount BIGINT NOT NULL"
    ", hour10_amount BIGINT NOT NULL, hour11_amount BIGINT NOT NULL"
    ", hour12_amount BIGINT NOT NULL, hour13_amount BIGINT NOT NULL"
    ", hour14_amount BIGINT NOT NULL, hour15_amount BIGINT NOT NULL"
    ", hour16_amount BIGINT NOT NULL, hour17_amount BIGINT NOT NULL"
    ", hour18_amount BIGINT NOT NULL, hour19_amount BIGINT NOT NULL"
    ", hour20_amount BIGINT NOT NULL, hour21_amount BIGINT NOT NULL"
    ", hour22_amount BIGINT NOT NULL, hour23_amount BIGINT NOT NULL"
    ", hour0_count BIGINT NOT NULL, hour1_count BIGINT NOT NULL, hour2_count BIGINT NOT NULL"
    ", hour3_count BIGINT NOT NULL, hour4_count BIGINT NOT NULL, hour5_count BIGINT NOT NULL"
    ", hour6_count BIGINT NOT NULL, hour7_count BIGINT NOT NULL, hour8_count BIGINT NOT NULL"
    ", hour9_count BIGINT NOT NULL, hour10_count BIGINT NOT NULL"
    ", hour11_count BIGINT NOT NULL, hour12_count BIGINT NOT NULL"
    ", hour13_count BIGINT NOT NULL, hour14_count BIGINT NOT NULL"
    ", hour15_count BIGINT NOT NULL, hour16_count BIGINT NOT NULL"
    ", hour17_count BIGINT NOT NULL, hour18_count BIGINT NOT NULL"
    ", hour19_count BIGINT NOT NULL, hour20_count BIGINT NOT NULL"
    ", hour21_count BIGINT NOT NULL, hour22_count BIGINT NOT NULL"
    ", hour23_count BIGINT NOT NULL, clerk1_sales BIGINT NOT NULL"
    ", clerk1_operations BIGINT NOT NULL, clerk1_cancel_total BIGINT NOT NULL"
    ", clerk1_cancel_count BIGINT NOT NULL, clerk1_clients BIGINT NOT NULL"
    ", clerk1_cash BIGINT NOT NULL, clerk1_credit BIGINT NOT NULL"
    ", clerk1_discount_count BIGINT NOT NULL, clerk1_discount_total BIGINT NOT NULL"
    ", clerk2_sales BIGINT NOT NULL, clerk2_operations BIGINT NOT NULL"
    ", clerk2_cancel_total BIGINT NOT NULL, clerk2_cancel_count BIGINT NOT NULL"
    ", clerk2_clients BIGINT NOT NULL, clerk2_cash BIGINT NOT NULL"
    ", clerk2_credit BIGINT NOT NULL, clerk2_discount_count BIGINT NOT NULL"
    ", clerk2_discount_total BIGINT NOT NULL, clerk3_sales BIGINT NOT NULL"
    ", clerk3_operations BIGINT NOT NULL, clerk3_cancel_total BIGINT NOT NULL"
    ", clerk3_cancel_count BIGINT NOT NULL, clerk3_clients BIGINT NOT NULL"
    ", clerk3_cash BIGINT NOT NULL, clerk3_credit BIGINT NOT NULL"
    ", clerk3_discount_count BIGINT NOT NULL, clerk3_discount_total BIGINT NOT NULL"
    ", clerk4_sales BIGINT NOT NULL, clerk4_operations BIGINT NOT NULL"
    ", clerk4_cancel_total BIGINT NOT NULL, clerk4_cancel_count BIGINT NOT NULL"
    ", clerk4_clients BIGINT NOT NULL, clerk4_cash BIGINT NOT NULL"
    ", clerk4_credit BIGINT NOT NULL, clerk4_discount_count BIGINT NOT NULL"
    ", clerk4_discount_total BIGINT NOT NULL";

// The columns that describe an entry, in the order entries() selects them, before the figures.
const QStringList kEntryColumns = {
    QStringLiteral("id"),       QStringLiteral("read_at"), QStringLiteral("read_at_local"),
    QStringLiteral("identity"), QStringLiteral("port"),    QStringLiteral("pc"),
    QStringLiteral("kind"),     QStringLiteral("reads"),   QStringLiteral("close_acknowledged")};

QString kindText(ReportKind kind) {
    return kind == ReportKind::Z ? QStringLiteral("Z") : QStringLiteral("X");
}

// What makes two reads the same report beyond scale, kind and document: every figure. A digest
// keeps the uniqueness index small on both engines.
QString fingerprint(const ReportFigures& figures) {
    QByteArray text;
    forEachFigure(figures, [&text](const FigureColumn&, int64_t value) {
        text += QByteArray::number(qint64(value)) + ',';
    });
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex());
}

// Qt binds a null QString as SQL NULL; an empty identity or port is still a text.
QString text(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

bool fail(QString* error, const Database& db, const QSqlQuery& q) {
    *error = QStringLiteral("%1: %2").arg(db.location(), db.errorOf(q));
    return false;
}

char16_t code(QChar c) {
    return c.unicode();
}
char16_t code(char c) {
    return static_cast<unsigned char>(c);
}

// A field of `width` digits at `at`, -1 when it is not all digits.
template <typename Text> int digits(const Text& text, qsizetype at, int width) {
    int value = 0;
    for (qsizetype i = at; i < at + width; ++i) {
        const char16_t c = code(text[size_t(i)]);
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

template <typename Text> QDateTime parseIsoTime(const Text& text, Qt::TimeSpec zone) {
    static const char shape[] = "0000-00-00T00:00:00";
    if (qsizetype(text.size()) < qsizetype(sizeof shape - 1))
        return {};
    for (size_t i = 0; i < sizeof shape - 1; ++i)
        if (shape[i] != '0' && code(text[i]) != char16_t(shape[i]))
            return {};
    return QDateTime(QDate(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2)),
                     QTime(digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2)), zone);
}

void appendDigits(std::string& out, int value, int width) {
    char text[8];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        text[i] = char('0' + value % 10);
    out.append(text, size_t(width));
}

} // namespace

void appendIsoTime(std::string& text, const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    appendDigits(text, d.year(), 4);
    text += '-';
    appendDigits(text, d.month(), 2);
    text += '-';
    appendDigits(text, d.day(), 2);
    text += 'T';
    appendDigits(text, t.hour(), 2);
    text += ':';
    appendDigits(text, t.minute(), 2);
    text += ':';
    appendDigits(text, t.second(), 2);
}

std::string isoTime(const QDateTime& time) {
    std::string text;
    text.reserve(20);
    appendIsoTime(text, time);
    return text;
}

QDateTime fromIsoTime(QStringView text, Qt::TimeSpec zone) {
    return parseIsoTime(text, zone);
}

QDateTime fromIsoTime(std::string_view text, Qt::TimeSpec zone) {
    return parseIsoTime(text, zone);
}

QString pcName(const QString& site) {
    const QString host = QSysInfo::machineHostName();
    return site.isEmpty() ? host : site + QLatin1Char('/') + host;
}

const std::vector<std::pair<QString, bool>>& figureColumns() {
    static const std::vector<std::pair<QString, bool>> columns = [] {
        std::vector<std::pair<QString, bool>> list;
        ReportFigures figures;
        forEachFigure(figures, [&list](const FigureColumn& column, int64_t&) {
            QString name = QString::fromLatin1(column.prefix);
            if (column.number >= 0)
                name += QString::number(column.number);
            list.emplace_back(name + QLatin1String(column.suffix), column.amount);
        });
        return list;
    }();
    return columns;
}

QList<QStringList> SalesArchive::migrationSteps(bool postgres) {
    // A released step is never edited: an archive records only how many steps it has taken, so an
    // edited step would never reach the archives made before the edit. Every change is a new step,
    // and the steps are kept as their SQL text, not built from today's column list. Times are ISO
    // 8601 text, which sorts as time does; on PostgreSQL under the byte order, which a server's
    // language collation need not keep.
    const QString head =
        postgres ? QStringLiteral("(id BIGSERIAL PRIMARY KEY, read_at VARCHAR(32) COLLATE \"C\" NOT NULL, "
                                  "read_at_local VARCHAR(32) COLLATE \"C\" NOT NULL, ")
                 : QStringLiteral("(id INTEGER PRIMARY KEY, read_at VARCHAR(32) NOT NULL, "
                                  "read_at_local VARCHAR(32) NOT NULL, ");
    const QString body = head +
                         QStringLiteral("identity TEXT NOT NULL, port TEXT NOT NULL, kind CHAR(1) NOT NULL, "
                                        "reads INTEGER NOT NULL DEFAULT 1, close_acknowledged INTEGER, "
                                        "fingerprint CHAR(64) NOT NULL") +
                         QLatin1String(kFigureColumnsSql);
    const QString byTime =
        QStringLiteral("CREATE INDEX sales_reports_by_time ON sales_reports (read_at, id)");
    const QString byDay =
        QStringLiteral("CREATE INDEX sales_reports_by_day ON sales_reports (read_at_local)");
    // Step 3: one entry per scale. Two scales of one model on the same figures (a day without
    // sales) are two entries: the key takes the port as named and the PC (host, and the chain's
    // site). SQLite cannot change a table's key in place and takes a copy; the copy also gives the
    // archives whose step 2 came without the index in time order that index.
    const QStringList onePerScale =
        postgres
            ? QStringList{QStringLiteral("ALTER TABLE sales_reports ADD COLUMN pc TEXT NOT NULL DEFAULT ''"),
                          QStringLiteral("ALTER TABLE sales_reports DROP CONSTRAINT "
                                         "sales_reports_identity_kind_document_fingerprint_key"),
                          QStringLiteral(
                              "ALTER TABLE sales_reports ADD CONSTRAINT sales_reports_one_per_scale "
                              "UNIQUE (identity, port, pc, kind, document, fingerprint)"),
                          QStringLiteral("CREATE INDEX IF NOT EXISTS sales_reports_by_time ON sales_reports "
                                         "(read_at, id)")}
            : QStringList{
                  QStringLiteral("CREATE TABLE sales_reports_by_scale ") + body +
                      QStringLiteral(", pc TEXT NOT NULL DEFAULT '', "
                                     "UNIQUE (identity, port, pc, kind, document, fingerprint))"),
                  QStringLiteral("INSERT INTO sales_reports_by_scale SELECT *, '' FROM sales_reports"),
                  QStringLiteral("DROP TABLE sales_reports"),
                  QStringLiteral("ALTER TABLE sales_reports_by_scale RENAME TO sales_reports"),
                  byTime,
                  byDay};
    return {
        {QStringLiteral("CREATE TABLE sales_reports ") + body +
         QStringLiteral(", UNIQUE (identity, kind, document, fingerprint))")},
        // The listings run in time order and take the shop's days, over years of closes.
        {byTime, byDay},
        onePerScale,
    };
}

std::unique_ptr<SalesArchive> SalesArchive::open(const QString& where, QString* error,
                                                 Database::Access access) {
    // SQLite would take an empty name for a private temporary database, and keep nothing.
    if (where.isEmpty()) {
        *error = QStringLiteral("no sales archive is set");
        return nullptr;
    }
    std::unique_ptr<Database> db = Database::open(where, error, access);
    if (!db)
        return nullptr;
    const QList<QStringList> steps = migrationSteps(db->isPostgres());
    if (db->readOnly()) {
        const int version = db->version(kPart);
        if (version == 0) {
            *error = QStringLiteral("%1 holds no sales archive").arg(db->location());
            return nullptr;
        }
        // An archive of an older version is brought up to date once, by a writer's connection; a
        // reader that may not write (a role that may only read) is told so.
        if (version > 0 && version < steps.size()) {
            QString why;
            std::unique_ptr<Database> writer = Database::open(where, &why);
            if (!writer || !writer->migrate(kPart, steps, &why)) {
                *error = QStringLiteral("%1: the sales archive needs an update that only a user who may "
                                        "write it can make: open it once with write access (%2)")
                             .arg(db->location(), why);
                return nullptr;
            }
        }
    }
    if (!db->migrate(kPart, steps, error))
        return nullptr;
    return std::unique_ptr<SalesArchive>(new SalesArchive(std::move(db)));
}

std::optional<int64_t> SalesArchive::store(const ArchiveEntry& entry, QString* error) {
    QStringList columns = kEntryColumns.mid(1);
    columns << QStringLiteral("fingerprint");
    QVariantList values = {QString::fromStdString(isoTime(entry.readAt.toUTC()) + 'Z'),
                           QString::fromStdString(isoTime(entry.readAtLocal)),
                           text(entry.identity),
                           text(entry.port),
                           text(entry.pc),
                           kindText(entry.kind),
                           1,
                           entry.closeAcknowledged ? QVariant(int(*entry.closeAcknowledged)) : QVariant(),
                           fingerprint(entry.figures)};
    for (const auto& [column, amount] : figureColumns())
        columns << column;
    forEachFigure(entry.figures,
                  [&values](const FigureColumn&, int64_t value) { values << QVariant(qint64(value)); });
    // The same report read again counts a read; its first read time stays. One statement, so two
    // PCs storing the same report at once still make one entry. The write lock is taken first:
    // SQLite makes BEGIN IMMEDIATE wait out another writer (the ports of one run store at the same
    // moment), while a statement that has to take the lock itself may be refused at once as locked.
    const ServerWatch::Wait wait = db->serverWait();
    QSqlQuery transaction(db->sql());
    if (!transaction.exec(db->isPostgres() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"))) {
        fail(error, *db, transaction);
        return std::nullopt;
    }
    QSqlQuery q(db->sql());
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (identity, port, pc, kind, "
                             "document, fingerprint) DO UPDATE SET reads = %1.reads + 1 RETURNING id")
                  .arg(kTable, columns.join(QLatin1Char(',')),
                       QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(','))));
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec() || !q.next()) {
        fail(error, *db, q);
        transaction.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    const int64_t id = q.value(0).toLongLong();
    q.finish();
    if (!transaction.exec(QStringLiteral("COMMIT"))) {
        fail(error, *db, transaction);
        transaction.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    return id;
}

bool SalesArchive::recordClose(int64_t id, bool acknowledged, QString* error) {
    const ServerWatch::Wait wait = db->serverWait();
    QSqlQuery q(db->sql());
    q.prepare(QStringLiteral("UPDATE %1 SET close_acknowledged = ? WHERE id = ?").arg(kTable));
    q.addBindValue(int(acknowledged));
    q.addBindValue(qint64(id));
    if (!q.exec())
        return fail(error, *db, q);
    return true;
}

namespace {

// A row of the listing's query through Qt SQL (PostgreSQL, or an SQLite inside Qt's driver): a
// QVariant per value.
struct QtRow {
    const QSqlQuery& q;
    int64_t number(int column) const { return q.value(column).toLongLong(); }
    bool isNull(int column) const { return q.isNull(column); }
    QString text(int column) const { return q.value(column).toString(); }
    QDateTime time(int column) const { return fromIsoTime(q.value(column).toString(), Qt::UTC); }
};

// The same row through SQLite's own API, which reads a value where Qt SQL makes a QVariant of it,
// checks the query's state and copies it: a third of the CPU time of a long listing.
struct SqliteRow {
    sqlite3_stmt* statement;
    int64_t number(int column) const { return sqlite3_column_int64(statement, column); }
    bool isNull(int column) const { return sqlite3_column_type(statement, column) == SQLITE_NULL; }
    std::string_view utf8(int column) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return text == nullptr ? std::string_view()
                               : std::string_view(text, size_t(sqlite3_column_bytes(statement, column)));
    }
    QString text(int column) const {
        const std::string_view value = utf8(column);
        return QString::fromUtf8(value.data(), qsizetype(value.size()));
    }
    QDateTime time(int column) const { return fromIsoTime(utf8(column), Qt::UTC); }
};

// The entry in `row`, selected as forEachEntry selects it.
template <typename Row> void readEntry(const Row& row, ArchiveEntry& e, SalesArchive::Figures figures) {
    e.id = row.number(0);
    e.readAt = row.time(1);
    // The shop's wall-clock time as written, not converted: a local-time QDateTime would ask the C
    // library for the zone (a stat of /etc/localtime) once an entry, seconds over years of closes.
    e.readAtLocal = row.time(2);
    e.identity = row.text(3);
    e.port = row.text(4);
    e.pc = row.text(5);
    e.kind = row.text(6) == QStringLiteral("Z") ? ReportKind::Z : ReportKind::X;
    e.reads = int(row.number(7));
    e.closeAcknowledged = row.isNull(8) ? std::nullopt : std::optional<bool>(row.number(8) != 0);
    int at = int(kEntryColumns.size());
    if (figures == SalesArchive::Figures::All) {
        forEachFigure(e.figures,
                      [&row, &at](const FigureColumn&, int64_t& value) { value = row.number(at++); });
    } else {
        e.figures.document = row.number(at);
        e.figures.grandTotal = row.number(at + 1);
    }
}

// Runs `select` with `values` bound on an SQLite connection and visits its rows until `visit`
// returns false. False when SQLite fails (its reason is the connection's last error).
template <typename Visit>
bool forEachSqliteRow(sqlite3* handle, const QString& select, const QVariantList& values, Visit&& visit) {
    sqlite3_stmt* prepared = nullptr;
    const QByteArray sql = select.toUtf8();
    if (sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &prepared, nullptr) != SQLITE_OK)
        return false;
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(prepared, sqlite3_finalize);
    for (int n = 0; n < int(values.size()); ++n) {
        const QVariant& value = values[n];
        const int bound = value.typeId() == QMetaType::QString
                              ? sqlite3_bind_text(prepared, n + 1, value.toString().toUtf8().constData(), -1,
                                                  SQLITE_TRANSIENT)
                              : sqlite3_bind_int64(prepared, n + 1, value.toLongLong());
        if (bound != SQLITE_OK)
            return false;
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(prepared)) == SQLITE_ROW)
        if (!visit(prepared))
            return true;
    return step == SQLITE_DONE;
}

// Runs `select` with `values` on a PostgreSQL server and visits its rows until `visit` returns
// false. The rows come through a cursor, a batch at a time, in one read-only snapshot: a statement
// that sent the whole listing would run on the server for as long as the client takes to write the
// rows out (a listing piped to a slow reader), and the server's statement time-out would end it.
// Each batch is one short statement, received whole; the time spent on its rows is no wait on the
// server, so neither the statement time-out nor the watch counts it.
template <typename Visit>
bool forEachServerRow(Database& db, const QString& select, const QVariantList& values, QString* error,
                      Visit&& visit) {
    QSqlQuery q(db.sql());
    auto run = [&](const QString& statement) {
        const ServerWatch::Wait wait = db.serverWait();
        return q.exec(statement);
    };
    // Inside a caller's transaction the cursor lives in it, and the caller ends it.
    const bool own = !db.inServerTransaction();
    auto failed = [&] {
        fail(error, db, q);
        if (own)
            run(QStringLiteral("ROLLBACK"));
        return false;
    };
    // Qt's driver prepares with PREPARE, which takes no DECLARE: the values go in as the driver
    // writes them into the EXECUTE of a prepared statement, quoted by the driver.
    QString declared = select;
    for (const QVariant& value : values) {
        QSqlField field(QString(), value.metaType());
        field.setValue(value);
        const qsizetype at = declared.indexOf(QLatin1Char('?'));
        declared.replace(at, 1, db.sql().driver()->formatValue(field));
    }
    if (own && !run(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY")))
        return failed();
    if (!run(QStringLiteral("DECLARE listing NO SCROLL CURSOR FOR ") + declared))
        return failed();
    bool more = true;
    while (more) {
        if (!run(QStringLiteral("FETCH FORWARD 1000 FROM listing")))
            return failed();
        more = q.size() > 0;
        while (more && q.next())
            more = visit(q);
    }
    if (!run(own ? QStringLiteral("COMMIT") : QStringLiteral("CLOSE listing")))
        return failed();
    return true;
}

} // namespace

bool SalesArchive::forEachEntry(const HistoryFilter& filter, QString* error,
                                const std::function<bool(const ArchiveEntry&)>& visit, Figures figures) {
    QStringList columns = kEntryColumns;
    if (figures == Figures::All) {
        for (const auto& [column, amount] : figureColumns())
            columns << column;
    } else {
        columns << QStringLiteral("document") << QStringLiteral("grand_total");
    }
    QStringList conditions;
    QVariantList values;
    if (filter.id != 0) {
        conditions << QStringLiteral("id = ?");
        values << QVariant(qint64(filter.id));
    }
    if (!filter.identity.isEmpty()) {
        conditions << QStringLiteral("identity = ?");
        values << filter.identity;
    }
    if (filter.from.isValid()) {
        conditions << QStringLiteral("read_at_local >= ?");
        values << filter.from.toString(kDayFormat);
    }
    if (filter.to.isValid()) {
        conditions << QStringLiteral("read_at_local < ?");
        values << filter.to.addDays(1).toString(kDayFormat);
    }
    const QString select =
        QStringLiteral("SELECT %1 FROM %2%3 ORDER BY read_at, id")
            .arg(columns.join(QLatin1Char(',')), kTable,
                 conditions.isEmpty() ? QString()
                                      : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND ")));
    ArchiveEntry e;
    if (sqlite3* handle = db->sqliteHandle()) {
        if (!forEachSqliteRow(handle, select, values, [&](sqlite3_stmt* row) {
                readEntry(SqliteRow{row}, e, figures);
                return visit(e);
            })) {
            *error = QStringLiteral("%1: %2").arg(db->location(), QString::fromUtf8(sqlite3_errmsg(handle)));
            return false;
        }
        return true;
    }
    if (db->isPostgres())
        return forEachServerRow(*db, select, values, error, [&](const QSqlQuery& q) {
            readEntry(QtRow{q}, e, figures);
            return visit(e);
        });
    QSqlQuery q(db->sql());
    q.setForwardOnly(true);
    q.prepare(select);
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec())
        return fail(error, *db, q);
    while (q.next()) {
        readEntry(QtRow{q}, e, figures);
        if (!visit(e))
            return true;
    }
    // A row that could not be read ends the loop as the last row would.
    if (q.lastError().isValid())
        return fail(error, *db, q);
    return true;
}

std::optional<std::vector<ArchiveEntry>> SalesArchive::entries(const HistoryFilter& filter, QString* error,
                                                               Figures figures) {
    std::vector<ArchiveEntry> list;
    if (!forEachEntry(
            filter, error,
            [&list](const ArchiveEntry& entry) {
                list.push_back(entry);
                return true;
            },
            figures))
        return std::nullopt;
    return list;
}

} // namespace store
