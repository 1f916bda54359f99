// The sales archive's listing as a spreadsheet takes it: the CSV in the regional convention, the
// workbook with numbers as numbers and dates as dates (read back from the file a spreadsheet opens),
// and what the HISTORY window's charts are drawn from.
#include "reports/HistoryCharts.h"
#include "reports/HistoryWorkbook.h"
#include "reports/SalesHistory.h"
#include "tests/support/LocaleGuard.h"
#include "text/DateTimeText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

store::ArchiveEntry sampleEntry() {
    store::ArchiveEntry entry;
    entry.readAtLocal = QDateTime(QDate(2026, 12, 8), QTime(19, 30));
    entry.readAt = QDateTime(QDate(2026, 12, 8), QTime(18, 30), Qt::UTC);
    entry.identity = QStringLiteral("=HYPERLINK(\"x\");SHOP 1");
    entry.port = QStringLiteral("COM1");
    entry.pc = QStringLiteral("SHOP PC");
    entry.kind = store::ReportKind::Z;
    entry.figures.document = 42;
    entry.figures.grandTotal = 123456;
    entry.figures.clerks[1].sales = 2500;
    entry.reads = 2;
    entry.closeAcknowledged = true;
    return entry;
}

TEST(HistoryCsv, FollowsTheSpreadsheetConventionOfTheRegionalSettings) {
    {
        LocaleGuard english(QLocale(QLocale::English, QLocale::UnitedStates));
        const reports::CsvConvention point = reports::regionalCsvConvention();
        EXPECT_EQ(point.separator, ',');
        EXPECT_EQ(point.decimalMark, '.');
    }
    LocaleGuard czech(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    const reports::CsvConvention comma = reports::regionalCsvConvention();
    EXPECT_EQ(comma.separator, ';');
    EXPECT_EQ(comma.decimalMark, ',');
    const QList<QByteArray> lines =
        reports::historyCsv({sampleEntry()}, comma.separator, comma.decimalMark).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("read_at;identity;port;pc;kind;document;grand_total;"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(";\"'=HYPERLINK(\"\"x\"\");SHOP 1\";COM1;SHOP PC;Z;42;1234,56;"))
        << "a text holding the separator is quoted; " << lines[1].toStdString();
    EXPECT_EQ(lines[1].count(';'), lines[0].count(';') + 1) << "one separator inside the quoted text";
    // The machine-readable listing of scalectl is unchanged.
    EXPECT_TRUE(reports::historyCsv({sampleEntry()}).contains(",SHOP PC,Z,42,1234.56,"));
}

// What a scale or a PC names goes into a spreadsheet as text: a formula is kept from running and a
// control character from reaching a terminal; amounts and counts stay numbers, also under a
// spreadsheet's regional convention (semicolons, decimal comma).
TEST(HistoryListingText, TextsAreSafeForASpreadsheetAndNumbersStayNumbers) {
    store::ArchiveEntry entry;
    entry.readAtLocal = QDateTime(QDate(2026, 3, 2), QTime(19, 0));
    entry.readAt = QDateTime(QDate(2026, 3, 2), QTime(18, 0), Qt::UTC);
    entry.identity = QStringLiteral("=HYPERLINK(\"http://x\";\"y\")");
    entry.port = QStringLiteral("\x1B[31mCOM1\r\n");
    entry.pc = QStringLiteral("+SHOP, 1/-till\u0085");
    entry.kind = store::ReportKind::Z;
    entry.figures.grandTotal = -1234;
    entry.figures.document = -5;
    entry.closeAcknowledged = true;
    auto line = [&entry](char separator, char decimal) {
        reports::HistoryListing listing(reports::HistoryListing::Format::Csv, separator, decimal);
        std::string header, row;
        listing.begin(header);
        listing.add(row, entry);
        return row;
    };
    EXPECT_TRUE(line(',', '.').starts_with(
        "2026-03-02T18:00:00Z,\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\","
        "\xEF\xBF\xBD[31mCOM1\xEF\xBF\xBD\xEF\xBF\xBD,\"'+SHOP, 1/-till\xEF\xBF\xBD\",Z,-5,-12.34,0.00,"))
        << line(',', '.');
    EXPECT_TRUE(line(';', ',').starts_with(
        "2026-03-02T18:00:00Z;\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\";"
        "\xEF\xBF\xBD[31mCOM1\xEF\xBF\xBD\xEF\xBF\xBD;'+SHOP, 1/-till\xEF\xBF\xBD;Z;-5;-12,34;0,00;"))
        << line(';', ',');
    EXPECT_NE(line(',', ',').find(",Z,-5,\"-12,34\",\"0,00\","), std::string::npos) << line(',', ',');
    // JSON carries the texts as they are, escaped.
    const QJsonObject object =
        QJsonDocument::fromJson(reports::historyJson({entry})).array().at(0).toObject();
    EXPECT_EQ(object["identity"].toString(), entry.identity);
    EXPECT_EQ(object["port"].toString(), entry.port);
    EXPECT_EQ(object["grand_total"].toDouble(), -12.34);
    EXPECT_EQ(object, reports::historyObject(entry));
}

// The sheet's XML of the workbook file, as a spreadsheet reads it out of the zip archive.
QString sheetXml(const QByteArray& workbook, const char* part) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("history.xlsx")));
    if (!file.open(QIODevice::WriteOnly) || file.write(workbook) != workbook.size())
        return {};
    file.close();
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file.fileName(), QString::fromLatin1(part)});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
        return {};
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

// The value of a cell (e.g. "F2") and whether it is a number (no type) or a shared string.
struct Cell {
    QString type;
    QString value;
};
Cell cellAt(const QString& xml, const QString& reference) {
    const QRegularExpression pattern(QStringLiteral("<c r=\"%1\"([^>]*)>(.*?)</c>").arg(reference));
    const QRegularExpressionMatch match = pattern.match(xml);
    if (!match.hasMatch())
        return {QStringLiteral("missing"), {}};
    const QRegularExpressionMatch type =
        QRegularExpression(QStringLiteral("t=\"(\\w+)\"")).match(match.captured(1));
    const QRegularExpressionMatch value =
        QRegularExpression(QStringLiteral("<v>(.*)</v>")).match(match.captured(2));
    return {type.captured(1), value.captured(1)};
}

TEST(HistoryWorkbook, HoldsNumbersAsNumbersAndDatesAsDatesUnderEveryHeading) {
    QString error;
    const std::optional<QByteArray> workbook =
        reports::historyWorkbook({sampleEntry(), sampleEntry()}, &error);
    ASSERT_TRUE(workbook) << error.toStdString();
    EXPECT_TRUE(workbook->startsWith("PK")) << "a zip archive";
    const QString sheet = sheetXml(*workbook, "xl/worksheets/sheet1.xml");
    ASSERT_FALSE(sheet.isEmpty()) << "unzip reads the workbook";
    const QString strings = sheetXml(*workbook, "xl/sharedStrings.xml");
    EXPECT_TRUE(strings.contains(QStringLiteral("grand_total")));
    EXPECT_TRUE(strings.contains(QStringLiteral(";SHOP 1")) &&
                strings.contains(QStringLiteral("=HYPERLINK(")));
    EXPECT_FALSE(sheet.contains(QStringLiteral("<f>"))) << "a text is never a formula";

    const QStringList columns = reports::historyColumns();
    auto reference = [&columns](const char* column, int row) {
        const int index = int(columns.indexOf(QString::fromLatin1(column)));
        QString letters;
        for (int n = index + 1; n > 0; n = (n - 1) / 26)
            letters.prepend(QChar('A' + (n - 1) % 26));
        return letters + QString::number(row);
    };
    EXPECT_EQ(cellAt(sheet, reference("identity", 3)).type, "s");
    EXPECT_EQ(cellAt(sheet, reference("pc", 3)).type, "s");
    const Cell total = cellAt(sheet, reference("grand_total", 3));
    EXPECT_EQ(total.type, "");
    EXPECT_EQ(total.value, "1234.56");
    EXPECT_EQ(cellAt(sheet, reference("document", 2)).value, "42");
    EXPECT_EQ(cellAt(sheet, reference("clerk2_sales", 2)).value, "25") << sheet.left(400).toStdString();
    // A date is a day count from 1899-12-30 with the time as its fraction, shown in a date format.
    const double local = cellAt(sheet, reference("read_at_local", 2)).value.toDouble();
    EXPECT_NEAR(local, QDate(1899, 12, 30).daysTo(QDate(2026, 12, 8)) + 19.5 / 24, 1e-6);
    const double utc = cellAt(sheet, reference("read_at", 2)).value.toDouble();
    EXPECT_NEAR(utc, local - 1.0 / 24, 1e-6);
    EXPECT_EQ(cellAt(sheet, reference("close_acknowledged", 3)).value, "1");
    EXPECT_EQ(cellAt(sheet, reference("reads", 4)).type, "missing") << "a row per entry and no more";
}

// The C library's number notation of a desktop, set for one test as a QApplication sets it from the
// desktop, and put back.
class DesktopNumbers {
public:
    explicit DesktopNumbers(const char* locale) : before(std::setlocale(LC_ALL, nullptr)) {
        taken = std::setlocale(LC_ALL, locale) != nullptr;
    }
    ~DesktopNumbers() { std::setlocale(LC_ALL, before.c_str()); }
    bool taken = false;

private:
    std::string before;
};

// A spreadsheet reader takes the workbook written on a comma desktop: every amount to the cent and
// the moments of reading with their time of day.
TEST(HistoryWorkbook, ReadsBackToTheCentOnCommaDesktops) {
    store::ArchiveEntry entry = sampleEntry();
    entry.figures.grandTotal = 234872;
    entry.figures.clerks[1].sales = -1999;
    entry.readAtLocal = QDateTime(QDate(2026, 12, 8), QTime(0, 21, 18));
    entry.readAt = QDateTime(QDate(2026, 12, 7), QTime(23, 21, 18), Qt::UTC);
    const QJsonObject expected = reports::historyObject(entry);
    for (const char* locale : {"cs_CZ.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        DesktopNumbers desktop(locale);
        ASSERT_TRUE(desktop.taken) << "the locale is generated by tools/test.sh (localedef)";
        QString error;
        const std::optional<QByteArray> workbook = reports::historyWorkbook({entry}, &error);
        ASSERT_TRUE(workbook) << error.toStdString();
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("history.xlsx")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(*workbook) == workbook->size());
        file.close();
        QProcess reader;
        reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(WORKBOOK_CELLS), file.fileName()});
        ASSERT_TRUE(reader.waitForFinished(60000));
        ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
        const QStringList rows =
            QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 2);
        const QStringList names = rows[0].split('\t'), cells = rows[1].split('\t');
        int amounts = 0;
        for (qsizetype c = 0; c < names.size(); ++c) {
            const QString cell = cells.value(c);
            if (const QJsonValue figure = expected[names[c]]; figure.isDouble()) {
                bool number = false;
                EXPECT_EQ(qRound64(cell.toDouble(&number) * 100), qRound64(figure.toDouble() * 100))
                    << names[c].toStdString() << " '" << cell.toStdString() << "'";
                EXPECT_TRUE(number);
                ++amounts;
            }
        }
        EXPECT_GT(amounts, 40) << "every figure is a number";
        EXPECT_EQ(cells[names.indexOf(QStringLiteral("read_at"))], QStringLiteral("2026-12-07T23:21:18"));
        EXPECT_EQ(cells[names.indexOf(QStringLiteral("read_at_local"))],
                  QStringLiteral("2026-12-08T00:21:18"));
    }
}

TEST(HistoryCharts, NameTheClerksTitleTheAxesAndKeepTheirRangesDrawable) {
    store::ReportFigures figures;
    figures.clerks[0].sales = 7000;
    figures.clerks[2].sales = 3000;
    figures.clerks[3].sales = -100;
    const auto shares =
        reports::clerkShares(figures, {QStringLiteral("ANNA"), QStringLiteral("BEDA"), QStringLiteral("  ")});
    ASSERT_EQ(shares.size(), 2u);
    EXPECT_EQ(shares[0].first, "ANNA");
    EXPECT_EQ(shares[0].second, 70.0);
    EXPECT_EQ(shares[1].first, "CLERK 3") << "a clerk without a name";

    EXPECT_EQ(reports::amountAxisTitle(QString::fromUtf8("K\xC4\x8D")),
              QString::fromUtf8("Sales (K\xC4\x8D)"));
    EXPECT_EQ(reports::amountAxisTitle(QStringLiteral(" ")), "Sales");

    using Range = std::pair<double, double>;
    EXPECT_EQ(reports::amountRange({}), Range(0, 1));
    EXPECT_EQ(reports::amountRange({0, 0}), Range(0, 1));
    EXPECT_EQ(reports::amountRange({5, 300}), Range(0, 300));
    EXPECT_EQ(reports::amountRange({-20, std::nan("")}), Range(-20, 0));
}

TEST(HistoryCharts, ValueTicksAreRoundStepsHoldingTheRangeInTheRegionalFormat) {
    struct Case {
        double low, high;
        int most;
        std::vector<double> at;
        int decimals;
    };
    const Case cases[] = {
        {0, 1, 6, {0, 0.2, 0.4, 0.6, 0.8, 1}, 1},
        {0, 300, 6, {0, 100, 200, 300}, 0},
        {0, 1234.56, 5, {0, 500, 1000, 1500}, 0},
        {-20, 0, 3, {-20, -10, 0}, 0},
        {0, 5.55, 2, {0, 10}, 0},
        {0, 7, 1, {0, 10}, 0},     // never fewer than two
        {3, 3, 4, {3, 3.5, 4}, 1}, // an empty range is widened
    };
    for (const Case& c : cases) {
        const reports::ValueTicks ticks = reports::niceTicks(c.low, c.high, c.most);
        ASSERT_EQ(ticks.at.size(), c.at.size()) << c.low << ".." << c.high;
        for (size_t i = 0; i < c.at.size(); ++i)
            EXPECT_NEAR(ticks.at[i], c.at[i], 1e-9) << c.low << ".." << c.high << " tick " << i;
        EXPECT_EQ(ticks.decimals, c.decimals) << c.low << ".." << c.high;
    }
    LocaleGuard german{QLocale(QLocale::German, QLocale::Germany)};
    EXPECT_EQ(reports::tickLabel(1500, 0), "1.500");
    EXPECT_EQ(reports::tickLabel(0.2, 1), "0,2");
    EXPECT_EQ(reports::tickLabel(-1e-12, 1), "0,0") << "no minus zero";
}

TEST(HistoryCharts, DaysHoursAndClerksBecomeLabelledBars) {
    LocaleGuard czech{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    const auto date = [](int day) {
        return QLocale().toString(QDate(2026, 12, day), regionalDayMonthFormat());
    };
    using Days = std::vector<std::pair<QDate, int64_t>>;
    const reports::BarSeries none = reports::daySeries({}, QStringLiteral("CZK"));
    EXPECT_TRUE(none.values.empty());
    EXPECT_TRUE(none.title.contains(QStringLiteral("no reports in this period")));
    const reports::BarSeries one = reports::daySeries({{QDate(2026, 12, 8), 123456}}, QStringLiteral("CZK"));
    EXPECT_EQ(one.values, std::vector<double>{1234.56}) << "one day is one bar";
    EXPECT_EQ(one.labels, QStringList{date(8)});
    EXPECT_EQ(one.valueTitle, "Sales (CZK)");
    EXPECT_EQ(one.categoryTitle, "Day");

    Days week, longer;
    for (int day : {1, 2, 5, 6, 7, 9, 10}) // seven days with gaps: a bar each, side by side
        week.emplace_back(QDate(2026, 12, day), day * 100);
    EXPECT_EQ(reports::daySeries(week, {}).labels,
              (QStringList{date(1), date(2), date(5), date(6), date(7), date(9), date(10)}));
    longer = week;
    longer.emplace_back(QDate(2026, 12, 12), 1200);
    const reports::BarSeries calendar = reports::daySeries(longer, {});
    ASSERT_EQ(calendar.values.size(), 12u) << "a longer period: every day from the first to the last";
    EXPECT_EQ(calendar.labels.front(), date(1));
    EXPECT_EQ(calendar.labels.back(), date(12));
    EXPECT_EQ(calendar.values[2], 0.0) << "a day without reports stands empty";
    EXPECT_EQ(calendar.values[4], 5.0);
    EXPECT_EQ(calendar.values[11], 12.0);

    store::ReportFigures figures;
    figures.hourAmounts[9] = 555;
    figures.clerks[1].sales = 2500;
    EXPECT_TRUE(reports::hourSeries(nullptr, {}).values.empty());
    const reports::BarSeries hours = reports::hourSeries(&figures, {});
    ASSERT_EQ(hours.values.size(), 24u);
    EXPECT_EQ(hours.values[9], 5.55);
    EXPECT_EQ(hours.labels.mid(0, 4), (QStringList{"0", "", "2", ""})) << "every second hour labelled";
    EXPECT_EQ(hours.labels[22], "22");
    const reports::BarSeries clerks = reports::clerkSeries(&figures, {QStringLiteral("ANNA")}, {});
    EXPECT_EQ(clerks.labels, QStringList{"CLERK 2"});
    EXPECT_EQ(clerks.values, std::vector<double>{25.0});
    EXPECT_TRUE(reports::clerkSeries(nullptr, {}, {}).values.empty());
}

} // namespace
