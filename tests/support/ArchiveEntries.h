// Archive entries for the store's tests: one whose every figure differs from every other's, and
// the archive as the first releases wrote it.
#pragma once

#include "store/Database.h"
#include "store/SalesArchive.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

inline store::ArchiveEntry distinctEntry(const QString& identity, store::ReportKind kind,
                                         const QDateTime& readAt) {
    store::ArchiveEntry entry;
    entry.readAt = readAt.toUTC();
    entry.readAtLocal = readAt;
    entry.identity = identity;
    entry.port = QStringLiteral("COM3");
    entry.kind = kind;
    int64_t next = -5000000000LL;
    store::forEachFigure(entry.figures,
                         [&next](const store::FigureColumn&, int64_t& value) { value = next += 7777777; });
    return entry;
}

// The archive's steps as each released version of the utility took them. The first release's
// second step came without the index in time order; a later release added it to that step, so the
// archives made before never got it from there.
inline QList<QStringList> releasedSteps(bool postgres, int release) {
    const QList<QStringList> today = store::SalesArchive::migrationSteps(postgres);
    if (release == 1)
        return {today[0], {"CREATE INDEX sales_reports_by_day ON sales_reports (read_at_local)"}};
    return today.mid(0, 2);
}

// Writes `entry` as the first releases wrote it (no PC), without the archive's own code.
inline bool insertAsReleased(store::Database& db, const store::ArchiveEntry& entry) {
    QStringList columns = {"read_at", "read_at_local", "identity", "port", "kind", "fingerprint"};
    QVariantList values = {QString::fromStdString(store::isoTime(entry.readAt) + 'Z'),
                           QString::fromStdString(store::isoTime(entry.readAtLocal)),
                           entry.identity,
                           entry.port,
                           "Z",
                           QString(64, 'f')};
    for (const auto& [column, amount] : store::figureColumns())
        columns << column;
    store::forEachFigure(entry.figures,
                         [&values](const store::FigureColumn&, int64_t v) { values << qint64(v); });
    QSqlQuery q(db.sql());
    q.prepare(QStringLiteral("INSERT INTO sales_reports (%1) VALUES (%2)")
                  .arg(columns.join(','), QStringList(columns.size(), "?").join(',')));
    for (const QVariant& value : values)
        q.addBindValue(value);
    return q.exec();
}
