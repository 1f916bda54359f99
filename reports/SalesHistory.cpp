#include "reports/SalesHistory.h"

#include "text/Numbers.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <string_view>
#include <tuple>

namespace reports {

namespace {

// The columns before the figures and after them.
const QStringList kLeadingColumns = {QStringLiteral("read_at"), QStringLiteral("identity"),
                                     QStringLiteral("port"), QStringLiteral("pc"), QStringLiteral("kind")};
const QStringList kTrailingColumns = {QStringLiteral("read_at_local"), QStringLiteral("reads"),
                                      QStringLiteral("close_acknowledged")};

// A text as a spreadsheet must take it: a control character (a terminal's escape, a line break)
// becomes U+FFFD, a text that a spreadsheet would run as a formula (=, +, -, @ first) gets a
// leading apostrophe, and a text holding the separator or a quote is quoted (RFC 4180).
void appendCsvText(std::string& out, std::string_view value, char separator) {
    const bool formula =
        !value.empty() && std::string_view("=+-@").find(value.front()) != std::string_view::npos;
    const auto plain = [separator](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte != 0x7F && byte != 0xC2 && c != '"' && c != separator;
    };
    // Nearly every text (a time, a port, a model's name) goes out as it is.
    if (!formula && std::all_of(value.begin(), value.end(), plain)) {
        out += value;
        return;
    }
    std::string text;
    text.reserve(value.size() + 1);
    if (formula)
        text += '\'';
    for (size_t i = 0; i < value.size(); ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        // C1 controls are U+0080..U+009F: C2 80..C2 9F in UTF-8.
        const bool c1 =
            byte == 0xC2 && i + 1 < value.size() && (static_cast<unsigned char>(value[i + 1]) & 0xE0) == 0x80;
        if (byte < 0x20 || byte == 0x7F || c1) {
            text += "\xEF\xBF\xBD";
            i += c1 ? 1 : 0;
        } else {
            text += value[i];
        }
    }
    if (text.find_first_of(std::string("\"") + separator) == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendInteger(std::string& out, int64_t value) {
    char text[24];
    out.append(text, size_t(std::to_chars(text, text + sizeof text, value).ptr - text));
}

void appendJsonString(std::string& out, std::string_view value) {
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

} // namespace

store::ArchiveEntry archiveEntry(const ReportFigures& figures, store::ReportKind kind,
                                 const QString& identity, const QString& port, const QString& pc,
                                 const QDateTime& readAt) {
    store::ArchiveEntry entry;
    entry.readAt = readAt.toUTC();
    entry.readAtLocal = readAt.toLocalTime();
    entry.identity = identity;
    entry.port = port;
    entry.pc = pc;
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

HistoryListing::HistoryListing(Format format, char separator, char decimalMark)
    : format(format), separator(separator), decimalMark(decimalMark) {
    for (const QString& column : historyColumns())
        columns.push_back(column.toStdString());
}

void HistoryListing::begin(std::string& out) const {
    if (format == Format::Json) {
        out += '[';
        return;
    }
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out += separator;
        out += columns[i];
    }
    out += '\n';
}

void HistoryListing::appendText(std::string& out, std::string_view text) const {
    if (format == Format::Json)
        appendJsonString(out, text);
    else
        appendCsvText(out, text, separator);
}

void HistoryListing::appendText(std::string& out, const QString& text) const {
    appendText(out, std::string_view(text.toStdString()));
}

void HistoryListing::appendTime(std::string& out, const QDateTime& time, bool utc) const {
    // Digits and separators alone: neither quoting nor neutralising can apply.
    const bool json = format == Format::Json;
    if (json)
        out += '"';
    store::appendIsoTime(out, time);
    if (utc)
        out += 'Z';
    if (json)
        out += '"';
}

void HistoryListing::appendAmount(std::string& out, int64_t hundredths) const {
    const size_t at = out.size();
    appendHundredths(out, hundredths);
    if (decimalMark != '.')
        out[out.size() - 3] = decimalMark;
    // A decimal comma in a comma-separated line would split the amount: quoted then.
    if (format == Format::Csv && decimalMark == separator) {
        out.insert(at, 1, '"');
        out += '"';
    }
}

void HistoryListing::add(std::string& out, const store::ArchiveEntry& entry) {
    const bool json = format == Format::Json;
    if (json)
        out += rows == 0 ? "\n{" : ",\n{";
    size_t column = 0;
    // Each field after its name (JSON) or separator (CSV).
    auto field = [&]() {
        if (json) {
            if (column > 0)
                out += ',';
            appendJsonString(out, columns[column]);
            out += ':';
        } else if (column > 0) {
            out += separator;
        }
        ++column;
    };
    field();
    appendTime(out, entry.readAt.toUTC(), true);
    for (const QString* text : {&entry.identity, &entry.port, &entry.pc}) {
        field();
        appendText(out, *text);
    }
    field();
    appendText(out, std::string_view(entry.kind == store::ReportKind::Z ? "Z" : "X"));
    store::forEachFigure(entry.figures, [&](const store::FigureColumn& figure, int64_t value) {
        field();
        if (figure.amount)
            appendAmount(out, value);
        else
            appendInteger(out, value);
    });
    field();
    appendTime(out, entry.readAtLocal, false);
    field();
    appendInteger(out, entry.reads);
    field();
    if (entry.closeAcknowledged)
        out += *entry.closeAcknowledged ? '1' : '0';
    else if (json)
        out += "null";
    out += json ? "}" : "\n";
    ++rows;
}

void HistoryListing::end(std::string& out) const {
    if (format == Format::Json)
        out += rows == 0 ? "]\n" : "\n]\n";
}

namespace {

QByteArray wholeListing(HistoryListing listing, const std::vector<store::ArchiveEntry>& entries) {
    std::string text;
    // About 900 bytes an entry: one allocation for years of closes.
    text.reserve(entries.size() * 1024 + 4096);
    listing.begin(text);
    for (const store::ArchiveEntry& entry : entries)
        listing.add(text, entry);
    listing.end(text);
    return QByteArray::fromStdString(text);
}

} // namespace

QByteArray historyCsv(const std::vector<store::ArchiveEntry>& entries, char separator, char decimalMark) {
    return wholeListing(HistoryListing(HistoryListing::Format::Csv, separator, decimalMark), entries);
}

QByteArray historyJson(const std::vector<store::ArchiveEntry>& entries) {
    return wholeListing(HistoryListing(HistoryListing::Format::Json), entries);
}

QJsonObject historyObject(const store::ArchiveEntry& entry) {
    QJsonObject object{
        {QStringLiteral("read_at"), QString::fromLatin1(store::isoTime(entry.readAt.toUTC()) + 'Z')},
        {QStringLiteral("identity"), entry.identity},
        {QStringLiteral("port"), entry.port},
        {QStringLiteral("pc"), entry.pc},
        {QStringLiteral("kind"), entry.kind == store::ReportKind::Z ? "Z" : "X"},
        {QStringLiteral("read_at_local"), QString::fromLatin1(store::isoTime(entry.readAtLocal))},
        {QStringLiteral("reads"), entry.reads},
        {QStringLiteral("close_acknowledged"),
         entry.closeAcknowledged ? QJsonValue(int(*entry.closeAcknowledged)) : QJsonValue()}};
    size_t column = 0;
    store::forEachFigure(entry.figures, [&](const store::FigureColumn& figure, int64_t value) {
        const QString& name = store::figureColumns()[column++].first;
        // Division by 100 is rounded correctly: the double nearest to the amount, as a parser of
        // the listing's "1234.56" finds it.
        object[name] = figure.amount ? QJsonValue(double(value) / 100.0) : QJsonValue(qint64(value));
    });
    return object;
}

std::optional<store::ArchiveEntry> lastCloseOn(const std::vector<store::ArchiveEntry>& entries,
                                               const QString& identity, const QString& port,
                                               const QString& pc, QDate day) {
    const auto close = std::find_if(entries.rbegin(), entries.rend(), [&](const store::ArchiveEntry& e) {
        return e.kind == store::ReportKind::Z && e.closeAcknowledged == std::optional<bool>(true) &&
               e.identity == identity && e.port == port && e.pc == pc && e.readAtLocal.date() == day;
    });
    return close == entries.rend() ? std::nullopt : std::optional<store::ArchiveEntry>(*close);
}

bool findLastCloseOn(store::SalesArchive& archive, const QString& identity, const QString& port,
                     const QString& pc, QDate day, std::optional<store::ArchiveEntry>* close,
                     QString* error) {
    const auto entries = archive.entries({identity, day, day}, error, store::SalesArchive::Figures::Totals);
    if (!entries)
        return false;
    *close = lastCloseOn(*entries, identity, port, pc, day);
    return true;
}

std::vector<std::pair<QDate, int64_t>> dailyTotals(const std::vector<store::ArchiveEntry>& entries) {
    struct ScaleDay {
        int64_t closed = 0;
        int64_t unknown = 0;
        bool anyClose = false;
        std::optional<std::pair<QDateTime, int64_t>> lastReading;
    };
    std::map<std::tuple<QDate, QString, QString, QString>, ScaleDay> scaleDays;
    for (const store::ArchiveEntry& e : entries) {
        ScaleDay& day = scaleDays[{e.readAtLocal.date(), e.identity, e.port, e.pc}];
        const bool z = e.kind == store::ReportKind::Z;
        if (z && e.closeAcknowledged == std::optional<bool>(true)) {
            day.closed += e.figures.grandTotal;
            day.anyClose = true;
            continue;
        }
        if (z && !e.closeAcknowledged)
            day.unknown += e.figures.grandTotal;
        if (!day.lastReading || e.readAtLocal >= day.lastReading->first)
            day.lastReading = {e.readAtLocal, e.figures.grandTotal};
    }
    std::map<QDate, int64_t> days;
    for (const auto& [key, day] : scaleDays) {
        if (day.anyClose)
            days[std::get<0>(key)] += day.closed + day.unknown;
        else if (day.lastReading)
            days[std::get<0>(key)] += day.lastReading->second;
    }
    return {days.begin(), days.end()};
}

ReportTotals totalsOf(const store::ReportFigures& figures) {
    ReportTotals totals;
    totals.docNumber = int32_t(figures.document);
    totals.grandTotal = int32_t(figures.grandTotal);
    std::transform(figures.taxes.begin(), figures.taxes.end(), totals.taxTotals.begin(),
                   [](int64_t v) { return int32_t(v); });
    std::transform(figures.hourAmounts.begin(), figures.hourAmounts.end(), totals.hourAmounts.begin(),
                   [](int64_t v) { return int32_t(v); });
    std::transform(figures.hourCounts.begin(), figures.hourCounts.end(), totals.hourCounts.begin(),
                   [](int64_t v) { return uint16_t(v); });
    return totals;
}

namespace {

bool sameScale(const store::ArchiveEntry& e, const QString& port, const QString& pc) {
    return e.port == port && e.pc == pc;
}

} // namespace

bool settleLastClose(store::SalesArchive& archive, const QString& identity, const QString& port,
                     const QString& pc, const ReportTotals& now, bool note,
                     std::optional<SettledClose>* settled, QString* error) {
    settled->reset();
    store::HistoryFilter unsettled{identity, {}, {}, 0, true};
    std::optional<store::ArchiveEntry> last;
    if (!archive.forEachEntry(unsettled, error, [&](const store::ArchiveEntry& e) {
            if (sameScale(e, port, pc))
                last = e;
            return true;
        }))
        return false;
    if (!last)
        return true;
    // A later reading of the scale (an X, another Z) settled it or left it for good.
    bool later = false;
    const store::HistoryFilter since{identity, last->readAtLocal.date(), {}, 0, false};
    if (!archive.forEachEntry(
            since, error,
            [&](const store::ArchiveEntry& e) {
                later = sameScale(e, port, pc) && e.id != last->id &&
                        std::pair(e.readAt, e.id) > std::pair(last->readAt, last->id);
                return !later;
            },
            store::SalesArchive::Figures::Totals))
        return false;
    if (later)
        return true;
    *settled = SettledClose{last->id, last->figures.document, last->readAtLocal,
                            settleClose(totalsOf(last->figures), now)};
    return !note || !(*settled)->closed || archive.recordClose(last->id, *(*settled)->closed, error);
}

bool settleLastClose(const QString& where, const QString& identity, const QString& port, const QString& pc,
                     const ReportTotals& now, std::optional<SettledClose>* settled, QString* error) {
    std::unique_ptr<store::SalesArchive> archive = store::SalesArchive::open(where, error);
    return archive && settleLastClose(*archive, identity, port, pc, now, true, settled, error);
}

} // namespace reports
