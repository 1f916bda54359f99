#include "store/SalesArchive.h"

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace store {

namespace {

const QString kPart = QStringLiteral("sales_archive");
const QString kTable = QStringLiteral("sales_reports");
const QString kLocalFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

// The columns that describe an entry, in the order entries() selects them, before the figures.
const QStringList kEntryColumns = {QStringLiteral("read_at"),
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
QString fingerprint(ReportFigures figures) {
    QByteArray text;
    forEachFigure(figures, [&text](const QString&, bool, int64_t& value) {
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

} // namespace

void forEachFigure(ReportFigures& figures,
                   const std::function<void(const QString& column, bool amount, int64_t& value)>& visit) {
    visit(QStringLiteral("document"), false, figures.document);
    visit(QStringLiteral("grand_total"), true, figures.grandTotal);
    for (int n = 0; n < kArchiveTaxes; ++n)
        visit(QStringLiteral("tax%1").arg(n + 1), true, figures.taxes[size_t(n)]);
    for (int h = 0; h < kArchiveHours; ++h)
        visit(QStringLiteral("hour%1_amount").arg(h), true, figures.hourAmounts[size_t(h)]);
    for (int h = 0; h < kArchiveHours; ++h)
        visit(QStringLiteral("hour%1_count").arg(h), false, figures.hourCounts[size_t(h)]);
    for (int n = 0; n < kArchiveClerks; ++n) {
        ClerkFigures& c = figures.clerks[size_t(n)];
        const QString clerk = QStringLiteral("clerk%1_").arg(n + 1);
        visit(clerk + QStringLiteral("sales"), true, c.sales);
        visit(clerk + QStringLiteral("operations"), false, c.operations);
        visit(clerk + QStringLiteral("cancel_total"), true, c.cancelTotal);
        visit(clerk + QStringLiteral("cancel_count"), false, c.cancelCount);
        visit(clerk + QStringLiteral("clients"), false, c.clients);
        visit(clerk + QStringLiteral("cash"), true, c.cash);
        visit(clerk + QStringLiteral("credit"), true, c.credit);
        visit(clerk + QStringLiteral("discount_count"), false, c.discountCount);
        visit(clerk + QStringLiteral("discount_total"), true, c.discountTotal);
    }
}

const std::vector<std::pair<QString, bool>>& figureColumns() {
    static const std::vector<std::pair<QString, bool>> columns = [] {
        std::vector<std::pair<QString, bool>> list;
        ReportFigures figures;
        forEachFigure(figures, [&list](const QString& column, bool amount, int64_t&) {
            list.emplace_back(column, amount);
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
        // The listings go by the shop's days, over years of closes.
        {QStringLiteral("CREATE INDEX sales_reports_by_day ON %1 (read_at_local)").arg(kTable)},
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
    QStringList columns = kEntryColumns;
    columns << QStringLiteral("fingerprint");
    QVariantList values = {entry.readAt.toUTC().toString(Qt::ISODate),
                           entry.readAtLocal.toString(kLocalFormat),
                           text(entry.identity),
                           text(entry.port),
                           kindText(entry.kind),
                           1,
                           entry.closeAcknowledged ? QVariant(int(*entry.closeAcknowledged)) : QVariant(),
                           fingerprint(entry.figures)};
    ReportFigures figures = entry.figures;
    forEachFigure(figures, [&](const QString& column, bool, int64_t& value) {
        columns << column;
        values << QVariant(qint64(value));
    });
    // The same report read again counts a read; its first read time stays. One statement, so two
    // PCs storing the same report at once still make one entry.
    QSqlQuery q(db->sql());
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (identity, kind, document, "
                             "fingerprint) DO UPDATE SET reads = %1.reads + 1 RETURNING id")
                  .arg(kTable, columns.join(QLatin1Char(',')),
                       QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(','))));
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec() || !q.next()) {
        fail(error, db->location(), q);
        return std::nullopt;
    }
    return q.value(0).toLongLong();
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

std::optional<std::vector<ArchiveEntry>> SalesArchive::entries(const HistoryFilter& filter, QString* error) {
    QStringList columns = kEntryColumns;
    for (const auto& [column, amount] : figureColumns())
        columns << column;
    QStringList conditions;
    QVariantList values;
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
        e.readAt = QDateTime::fromString(q.value(0).toString(), Qt::ISODate);
        e.readAtLocal = QDateTime::fromString(q.value(1).toString(), kLocalFormat);
        e.identity = q.value(2).toString();
        e.port = q.value(3).toString();
        e.kind = q.value(4).toString() == QStringLiteral("Z") ? ReportKind::Z : ReportKind::X;
        e.reads = q.value(5).toInt();
        if (!q.isNull(6))
            e.closeAcknowledged = q.value(6).toInt() != 0;
        int at = int(kEntryColumns.size());
        forEachFigure(e.figures, [&q, &at](const QString&, bool, int64_t& value) {
            value = q.value(at++).toLongLong();
        });
    }
    return list;
}

} // namespace store
