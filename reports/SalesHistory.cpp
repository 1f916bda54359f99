#include "reports/SalesHistory.h"

#include <map>

namespace reports {

namespace {

// The columns before the figures and after them.
const QStringList kLeadingColumns = {QStringLiteral("read_at"), QStringLiteral("identity"),
                                     QStringLiteral("port"), QStringLiteral("kind")};
const QStringList kTrailingColumns = {QStringLiteral("read_at_local"), QStringLiteral("reads"),
                                      QStringLiteral("close_acknowledged")};
// Text columns, quoted in JSON; every other column is a number (close_acknowledged may be null).
constexpr int kTextColumns = 4;

QString csvField(const QString& value) {
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) &&
        !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString jsonString(const QString& value) {
    QString text = QStringLiteral("\"");
    for (QChar c : value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            text += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            text += c;
    }
    return text + QLatin1Char('"');
}

bool isTextColumn(int column) {
    return column < kTextColumns || column == kTextColumns + int(store::figureColumns().size());
}

} // namespace

store::ArchiveEntry archiveEntry(const ReportFigures& figures, store::ReportKind kind,
                                 const QString& identity, const QString& port, const QDateTime& readAt) {
    store::ArchiveEntry entry;
    entry.readAt = readAt.toUTC();
    entry.readAtLocal = readAt.toLocalTime();
    entry.identity = identity;
    entry.port = port;
    entry.kind = kind;
    store::ReportFigures& f = entry.figures;
    const ReportTotals& t = figures.totals;
    f.document = t.docNumber;
    f.grandTotal = t.grandTotal;
    std::copy(t.taxTotals.begin(), t.taxTotals.end(), f.taxes.begin());
    std::copy(t.hourAmounts.begin(), t.hourAmounts.end(), f.hourAmounts.begin());
    std::copy(t.hourCounts.begin(), t.hourCounts.end(), f.hourCounts.begin());
    for (size_t n = 0; n < f.clerks.size(); ++n) {
        const ClerkTotals& c = figures.clerks[n];
        f.clerks[n] = {c.salesTotal, c.operations,  c.cancelTotal,   c.cancelCount,  c.clients,
                       c.cashTotal,  c.creditTotal, c.discountCount, c.discountTotal};
    }
    return entry;
}

std::optional<int64_t> archiveReport(const QString& where, const store::ArchiveEntry& entry, QString* error) {
    std::unique_ptr<store::SalesArchive> archive = store::SalesArchive::open(where, error);
    if (!archive)
        return std::nullopt;
    return archive->store(entry, error);
}

bool archiveCloseOutcome(const QString& where, int64_t id, bool acknowledged, QString* error) {
    std::unique_ptr<store::SalesArchive> archive = store::SalesArchive::open(where, error);
    return archive && archive->recordClose(id, acknowledged, error);
}

QStringList historyColumns() {
    QStringList columns = kLeadingColumns;
    for (const auto& [name, amount] : store::figureColumns())
        columns << name;
    return columns + kTrailingColumns;
}

bool isAmountColumn(int column) {
    const auto& figures = store::figureColumns();
    const int figure = column - kTextColumns;
    return figure >= 0 && figure < int(figures.size()) && figures[size_t(figure)].second;
}

QStringList historyValues(const store::ArchiveEntry& entry) {
    QStringList values = {entry.readAt.toUTC().toString(Qt::ISODate), entry.identity, entry.port,
                          entry.kind == store::ReportKind::Z ? QStringLiteral("Z") : QStringLiteral("X")};
    store::ReportFigures figures = entry.figures;
    store::forEachFigure(figures, [&values](const QString&, bool amount, int64_t& value) {
        values << (amount ? formatAmount(value, QLatin1Char('.')) : QString::number(value));
    });
    values << entry.readAtLocal.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
           << QString::number(entry.reads)
           << (entry.closeAcknowledged ? QString::number(int(*entry.closeAcknowledged)) : QString());
    return values;
}

QByteArray historyCsv(const std::vector<store::ArchiveEntry>& entries) {
    QString text = historyColumns().join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const store::ArchiveEntry& entry : entries) {
        const QStringList values = historyValues(entry);
        for (int i = 0; i < values.size(); ++i) {
            if (i > 0)
                text += QLatin1Char(',');
            text += csvField(values[i]);
        }
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray historyJson(const std::vector<store::ArchiveEntry>& entries) {
    const QStringList columns = historyColumns();
    QString text = QStringLiteral("[");
    for (size_t e = 0; e < entries.size(); ++e) {
        const QStringList values = historyValues(entries[e]);
        text += e == 0 ? QStringLiteral("\n{") : QStringLiteral(",\n{");
        for (int i = 0; i < values.size(); ++i) {
            if (i > 0)
                text += QLatin1Char(',');
            text += jsonString(columns[i]) + QLatin1Char(':');
            if (isTextColumn(i))
                text += jsonString(values[i]);
            else
                text += values[i].isEmpty() ? QStringLiteral("null") : values[i];
        }
        text += QLatin1Char('}');
    }
    text += entries.empty() ? QStringLiteral("]\n") : QStringLiteral("\n]\n");
    return text.toUtf8();
}

std::vector<std::pair<QDate, int64_t>> dailyTotals(const std::vector<store::ArchiveEntry>& entries) {
    const bool anyZ = std::any_of(entries.begin(), entries.end(), [](const store::ArchiveEntry& e) {
        return e.kind == store::ReportKind::Z;
    });
    const store::ReportKind kind = anyZ ? store::ReportKind::Z : store::ReportKind::X;
    std::map<QDate, int64_t> days;
    for (const store::ArchiveEntry& entry : entries)
        if (entry.kind == kind)
            days[entry.readAtLocal.date()] += entry.figures.grandTotal;
    return {days.begin(), days.end()};
}

} // namespace reports
