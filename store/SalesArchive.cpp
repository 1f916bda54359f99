#include "store/SalesArchive.h"

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace store {

namespace {

const QString kPart = QStringLiteral("sales_archive");
const QString kTable = QStringLiteral("sales_reports");
const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

// The columns that describe an entry, in the order entries() selects them, before the figures.
const QStringList kEntryColumns = {QStringLiteral("id"),
                                   QStringLiteral("read_at"),
                                   QStringLiteral("read_at_local"),
                                   QStringLiteral("identity"),
                                   QStringLiteral("port"),
                                   QStringLiteral("kind"),
                                   QStringLiteral("reads"),
                                   QStringLiteral("close_acknowledged")};

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

bool fail(QString* error, const QString& where, const QSqlQuery& q) {
    *error = QStringLiteral("%1: %2").arg(where, q.lastError().text());
    return false;
}

// A field of `width` digits at `at`, -1 when it is not all digits.
int digits(QStringView text, qsizetype at, int width) {
    int value = 0;
    for (qsizetype i = at; i < at + width; ++i) {
        if (!text[i].isDigit())
            return -1;
        value = value * 10 + text[i].digitValue();
    }
    return value;
}

void appendDigits(std::string& out, int value, int width) {
    char text[8];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        text[i] = char('0' + value % 10);
    out.append(text, size_t(width));
}

} // namespace

std::string isoTime(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    std::string text;
    text.reserve(20);
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
    return text;
}

QDateTime fromIsoTime(QStringView text, Qt::TimeSpec zone) {
    static const char shape[] = "0000-00-00T00:00:00";
    if (text.size() < qsizetype(sizeof shape - 1))
        return {};
    for (qsizetype i = 0; i < qsizetype(sizeof shape - 1); ++i)
        if (shape[i] != '0' && text[i] != QLatin1Char(shape[i]))
            return {};
    return QDateTime(QDate(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2)),
                     QTime(digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2)), zone);
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
    // Times are ISO 8601 text, which sorts as time does; on PostgreSQL under the byte order, which
    // a server's language collation need not keep.
    const QString time = postgres ? QStringLiteral("VARCHAR(32) COLLATE \"C\" NOT NULL")
                                  : QStringLiteral("VARCHAR(32) NOT NULL");
    QString table =
        QStringLiteral("CREATE TABLE %1 (id %2, read_at %3, read_at_local %3, "
                       "identity TEXT NOT NULL, port TEXT NOT NULL, "
                       "kind CHAR(1) NOT NULL, reads INTEGER NOT NULL DEFAULT 1, "
                       "close_acknowledged INTEGER, fingerprint CHAR(64) NOT NULL")
            .arg(kTable,
                 postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY"),
                 time);
    for (const auto& [column, amount] : figureColumns())
        table += QStringLiteral(", %1 BIGINT NOT NULL").arg(column);
    table += QStringLiteral(", UNIQUE (identity, kind, document, fingerprint))");
    return {
        {table},
        // The listings run in time order and take the shop's days, over years of closes.
        {QStringLiteral("CREATE INDEX sales_reports_by_time ON %1 (read_at, id)").arg(kTable),
         QStringLiteral("CREATE INDEX sales_reports_by_day ON %1 (read_at_local)").arg(kTable)},
    };
}

std::unique_ptr<SalesArchive> SalesArchive::open(const QString& where, QString* error) {
    // SQLite would take an empty name for a private temporary database, and keep nothing.
    if (where.isEmpty()) {
        *error = QStringLiteral("no sales archive is set");
        return nullptr;
    }
    std::unique_ptr<Database> db = Database::open(where, error);
    if (!db || !db->migrate(kPart, migrationSteps(db->isPostgres()), error))
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
    QSqlQuery transaction(db->sql());
    if (!transaction.exec(db->isPostgres() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"))) {
        fail(error, db->location(), transaction);
        return std::nullopt;
    }
    QSqlQuery q(db->sql());
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (identity, kind, document, "
                             "fingerprint) DO UPDATE SET reads = %1.reads + 1 RETURNING id")
                  .arg(kTable, columns.join(QLatin1Char(',')),
                       QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(','))));
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec() || !q.next()) {
        fail(error, db->location(), q);
        transaction.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    const int64_t id = q.value(0).toLongLong();
    q.finish();
    if (!transaction.exec(QStringLiteral("COMMIT"))) {
        fail(error, db->location(), transaction);
        transaction.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    return id;
}

bool SalesArchive::recordClose(int64_t id, bool acknowledged, QString* error) {
    QSqlQuery q(db->sql());
    q.prepare(QStringLiteral("UPDATE %1 SET close_acknowledged = ? WHERE id = ?").arg(kTable));
    q.addBindValue(int(acknowledged));
    q.addBindValue(qint64(id));
    if (!q.exec())
        return fail(error, db->location(), q);
    return true;
}

std::optional<std::vector<ArchiveEntry>> SalesArchive::entries(const HistoryFilter& filter, QString* error,
                                                               Figures figures) {
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
    QSqlQuery q(db->sql());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM %2%3 ORDER BY read_at, id")
                  .arg(columns.join(QLatin1Char(',')), kTable,
                       conditions.isEmpty()
                           ? QString()
                           : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "))));
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec()) {
        fail(error, db->location(), q);
        return std::nullopt;
    }
    std::vector<ArchiveEntry> list;
    while (q.next()) {
        ArchiveEntry& e = list.emplace_back();
        e.id = q.value(0).toLongLong();
        e.readAt = fromIsoTime(q.value(1).toString(), Qt::UTC);
        // The shop's wall-clock time as written, not converted: a local-time QDateTime would ask the C
        // library for the zone (a stat of /etc/localtime) once an entry, seconds over years of closes.
        e.readAtLocal = fromIsoTime(q.value(2).toString(), Qt::UTC);
        e.identity = q.value(3).toString();
        e.port = q.value(4).toString();
        e.kind = q.value(5).toString() == QStringLiteral("Z") ? ReportKind::Z : ReportKind::X;
        e.reads = q.value(6).toInt();
        if (!q.isNull(7))
            e.closeAcknowledged = q.value(7).toInt() != 0;
        int at = int(kEntryColumns.size());
        if (figures == Figures::All) {
            forEachFigure(e.figures, [&q, &at](const FigureColumn&, int64_t& value) {
                value = q.value(at++).toLongLong();
            });
        } else {
            e.figures.document = q.value(at).toLongLong();
            e.figures.grandTotal = q.value(at + 1).toLongLong();
        }
    }
    return list;
}

} // namespace store
