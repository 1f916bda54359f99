#include "reports/SalesHistory.h"

#include "text/Numbers.h"

#include <algorithm>
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

void appendCsvField(std::string& out, const std::string& value, char separator) {
    if (value.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
        out += value;
        return;
    }
    out += '"';
    for (char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendJsonString(std::string& out, const std::string& value) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
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

std::vector<std::string> historyValues(const store::ArchiveEntry& entry) {
    std::vector<std::string> values;
    values.reserve(size_t(kTextColumns) + store::figureColumns().size() + size_t(kTrailingColumns.size()));
    values.push_back(store::isoTime(entry.readAt.toUTC()) + 'Z');
    values.push_back(entry.identity.toStdString());
    values.push_back(entry.port.toStdString());
    values.push_back(entry.kind == store::ReportKind::Z ? "Z" : "X");
    store::forEachFigure(entry.figures, [&values](const store::FigureColumn& column, int64_t value) {
        values.push_back(column.amount ? formatHundredths(value) : std::to_string(value));
    });
    values.push_back(store::isoTime(entry.readAtLocal));
    values.push_back(std::to_string(entry.reads));
    values.push_back(entry.closeAcknowledged ? std::to_string(int(*entry.closeAcknowledged)) : std::string());
    return values;
}

QByteArray historyCsv(const std::vector<store::ArchiveEntry>& entries, char separator, char decimalMark) {
    std::string text = historyColumns().join(QLatin1Char(separator)).toStdString() + '\n';
    // About 900 bytes an entry: one allocation for years of closes.
    text.reserve(text.size() + entries.size() * 1024);
    for (const store::ArchiveEntry& entry : entries) {
        const std::vector<std::string> values = historyValues(entry);
        for (size_t i = 0; i < values.size(); ++i) {
            if (i > 0)
                text += separator;
            // Only a text may hold a separator or a quote; numbers go as they are, an amount's point
            // (its only one) as the decimal mark.
            if (isTextColumn(int(i))) {
                appendCsvField(text, values[i], separator);
            } else {
                const size_t start = text.size();
                text += values[i];
                std::replace(text.begin() + ptrdiff_t(start), text.end(), '.', decimalMark);
            }
        }
        text += '\n';
    }
    return QByteArray::fromStdString(text);
}

QByteArray historyJson(const std::vector<store::ArchiveEntry>& entries) {
    std::vector<std::string> columns;
    for (const QString& column : historyColumns())
        columns.push_back(column.toStdString());
    std::string text = "[";
    for (size_t e = 0; e < entries.size(); ++e) {
        const std::vector<std::string> values = historyValues(entries[e]);
        text += e == 0 ? "\n{" : ",\n{";
        for (size_t i = 0; i < values.size(); ++i) {
            if (i > 0)
                text += ',';
            appendJsonString(text, columns[i]);
            text += ':';
            if (isTextColumn(int(i)))
                appendJsonString(text, values[i]);
            else
                text += values[i].empty() ? "null" : values[i];
        }
        text += '}';
    }
    text += entries.empty() ? "]\n" : "\n]\n";
    return QByteArray::fromStdString(text);
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
