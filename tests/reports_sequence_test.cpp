// The whole report and Z report from a known report memory read over the real link, and the
// sequence stopping at a failed read.
#include "reports/ReportText.h"
#include "tests/support/ExchangeFailure.h"
#include "tests/support/KnownReportMemory.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <gtest/gtest.h>

namespace {

using testcases::PrintTo;

// One line of the known memory's report: its text in the sales report and in the Z report.
struct ExpectedLine {
    QString sales;
    QString z;
};

std::vector<ExpectedLine> clerkSection(int n, const char* clients, const char* operations,
                                       const char* cancelCount, const char* cancelTotal,
                                       const char* discountCount, const char* discountTotal,
                                       const char* credit) {
    const QString number = QString::number(n);
    auto pair = [](const QString& sales, const QString& z, const char* value) {
        return ExpectedLine{sales + value, z + value};
    };
    return {
        {"----------------------- CLERK " + number, "----------------------- Verk\u00e4ufer " + number},
        pair("CLIENTS\t\t\t", "Kunden\t\t\t", clients),
        pair("OPERATIONS\t\t", "Operationen\t\t", operations),
        pair("TOTAL\t\t\t", "Summe\t\t\t", "21474836.47"),
        pair("COUNT CANCEL\t\t", "Anzahl Storno\t\t", cancelCount),
        pair("TOTAL CANCEL\t\t", "Summe Storno\t\t", cancelTotal),
        pair("COUNT DISCOUNT\t\t", "Anzahl Rabatt\t\t", discountCount),
        pair("TOTAL DISCOUNT\t\t", "Summe Rabatt\t\t", discountTotal),
        pair("CASH\t\t\t", "Bar \t\t\t", "-21474836.48"),
        pair("CREDIT\t\t\t", "Kredit \t\t\t", credit),
        {"", ""},
    };
}

std::vector<ExpectedLine> knownReport(const QString& timestamp) {
    std::vector<ExpectedLine> lines = {
        {"----------------------- REPORT " + timestamp, "----------------------- Berichte " + timestamp},
        {"", ""},
        {"DOC NUM\t\t4711", "DOC NUM\t\t\t4711"},
        {"TOTAL\t\t\t1234.56", "Summe\t\t\t1234.56"},
        {"----------------------- TOTALS BY TAX", "----------------------- Summe BY MwSt"},
        {"TAX 1\t\t\t1000.00", "MwSt 1\t\t\t1000.00"},
        {"TAX 3\t\t\t-2.50", "MwSt 3\t\t\t-2.50"},
        {"TAX 9\t\t\t12.50", "MwSt 9\t\t\t12.50"},
        {"", ""},
        {"----------------------- TOTALS BY TIME", "----------------------- TOTALS BY TIME"},
        {" 0h\t\t\t1\t0.05", " 0h\t\t\t1\t0.05"},
        {" 9h\t\t\t14\t231.40", " 9h\t\t\t14\t231.40"},
        {"23h\t\t\t65535\t-0.05", "23h\t\t\t65535\t-0.05"},
        {"", ""},
    };
    for (auto section : {clerkSection(1, "5", "10", "0", "0.00", "0", "0.00", "10.00"),
                         clerkSection(2, "6", "11", "1", "-1.00", "2", "0.50", "20.00"),
                         clerkSection(3, "7", "12", "2", "-2.00", "4", "1.00", "30.00"),
                         clerkSection(4, "65535", "13", "3", "-3.00", "6", "1.50", "40.00")})
        lines.insert(lines.end(), section.begin(), section.end());
    lines.push_back({"----------------------- CLERKS TOTAL", "----------------------- TOTAL-BERICHT"});
    lines.push_back({"TOTAL\t\t\t85899345.88", "TOTAL\t\t\t85899345.88"});
    lines.push_back({"TOTAL CASH\t\t-85899345.92", "TOTAL BAR\t\t-85899345.92"});
    lines.push_back({"TOTAL CREDIT\t\t100.00", "TOTAL KREDIT\t\t100.00"});
    return lines;
}

QStringList pick(const std::vector<ExpectedLine>& lines, bool z) {
    QStringList out;
    for (const ExpectedLine& line : lines)
        out << (z ? line.z : line.sales);
    return out;
}

class ReportSequence : public ::testing::Test {
protected:
    SimHarness scale;
    LocaleGuard english{QLocale(QLocale::English, QLocale::UnitedStates)};
    const QDateTime now{QDate(2026, 3, 5), QTime(14, 7, 9)};
    int exchanges = 0;
    // How many exchanges had been asked for each time the sequence read the clock.
    std::vector<int> clockReads;

    void SetUp() override {
        scale.sim().withState(fillKnownReportMemory);
        ASSERT_TRUE(theLink.open(1, 9600));
        scale.sim().clearLog();
    }
    // The link, counting the exchanges the sequence asks for.
    ScaleLine countingLine() {
        return {theLink, [this](uint8_t code) {
                    ++exchanges;
                    return performCommand(theLink, code).ok;
                }};
    }
    std::pair<bool, QStringList> report(const reports::ReportLabels& labels) {
        QStringList lines;
        bool complete = reports::writeReport(
            countingLine(), labels,
            [this] {
                clockReads.push_back(exchanges);
                return now;
            },
            [&lines](const QString& line) { lines << line; });
        return {complete, lines};
    }
    // The date line of `now` in the fixture's regional settings, written out.
    static QString timestamp() { return QStringLiteral("3/5/26 2:07:09 PM"); }
};

TEST_F(ReportSequence, SalesReportFromKnownMemory) {
    auto [complete, lines] = report(reports::salesReportLabels());
    EXPECT_TRUE(complete);
    EXPECT_EQ(lines, pick(knownReport(timestamp()), false));
}

TEST_F(ReportSequence, ZReportHasTheGermanLabelsByteForByte) {
    auto [complete, lines] = report(reports::zReportLabels());
    EXPECT_TRUE(complete);
    EXPECT_EQ(lines, pick(knownReport(timestamp()), true));
    const QByteArray bytes = reports::reportFileBytes(lines);
    EXPECT_TRUE(bytes.contains("\r\n----------------------- Verk\xE4ufer 3\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nBar \t\t\t-21474836.48\r\nKredit \t\t\t30.00\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nTOTAL KREDIT\t\t100.00\r\n"));
}

// Totals, four clerk sections, then each sum from its own four reads: 17 exchanges in this order.
// The date line's time is the one at which the totals have arrived.
TEST_F(ReportSequence, ReadsTheMemoryInSeventeenExchanges) {
    EXPECT_TRUE(report(reports::salesReportLabels()).first);
    EXPECT_EQ(clockReads, std::vector<int>{1});
    std::vector<std::vector<uint8_t>> expected{{0x43, 0x08, 0x00, 192}};
    for (int round = 0; round < 4; ++round)
        for (uint8_t low : {0x00, 0x50, 0xA0, 0xF0})
            expected.push_back({0x43, 0x09, low, 80});
    EXPECT_EQ(scale.sim().requestBodies(), expected);
}

TEST_F(ReportSequence, EmptySectionsAreFollowedDirectlyByTheirEmptyLine) {
    scale.sim().withState([](ScaleState& s) {
        s.report.taxTotals.fill(0);
        s.report.hourCounts.fill(0);
    });
    auto [complete, lines] = report(reports::zReportLabels());
    EXPECT_TRUE(complete);
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines.mid(4, 4), (QStringList{"----------------------- Summe BY MwSt", "",
                                            "----------------------- TOTALS BY TIME", ""}));
}

TEST_F(ReportSequence, CommaLocaleWritesCommaAmounts) {
    LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    auto [complete, lines] = report(reports::salesReportLabels());
    EXPECT_TRUE(complete);
    EXPECT_EQ(lines.at(0), "----------------------- REPORT 05.03.26 14:07:09");
    EXPECT_EQ(lines.at(6), "TAX 3\t\t\t-2,50");
    EXPECT_EQ(lines.last(), "TOTAL CREDIT\t\t100,00");
}

struct FailureCase {
    const char* name;
    int failingExchange;
    bool z;
    const char* firstMissing; // the text ends before this line; nullptr: no line at all
    Fault fault = Fault::Nak; // StatusOnly: a checked reply too short for the block read from it
};

class ReportFailure : public ReportSequence, public ::testing::WithParamInterface<FailureCase> {};

// The sequence ends at the failed read, with no further exchange; the lines made so far stay.
TEST_P(ReportFailure, KeepsTheLinesMadeBeforeIt) {
    const FailureCase& c = GetParam();
    ExchangeFailure failure(scale.sim(), theLink, c.failingExchange, c.fault);
    auto [complete, lines] = report(c.z ? reports::zReportLabels() : reports::salesReportLabels());
    EXPECT_FALSE(complete);
    EXPECT_EQ(exchanges, c.failingExchange);
    const QStringList all = pick(knownReport(timestamp()), c.z);
    const qsizetype kept = c.firstMissing ? all.indexOf(QString::fromUtf8(c.firstMissing)) : 0;
    ASSERT_GE(kept, 0) << "the first missing line is one of the report";
    EXPECT_EQ(lines, all.mid(0, kept));
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportFailure,
    ::testing::Values(
        FailureCase{"FirstRead", 1, false, nullptr},
        FailureCase{"ClerkThree", 4, false, "----------------------- CLERK 3"},
        FailureCase{"FirstSumRead", 6, false, "TOTAL\t\t\t85899345.88"},
        FailureCase{"LastReadOfTheZReport", 17, true, "TOTAL KREDIT\t\t100.00"},
        FailureCase{"TotalsRefused", 1, false, nullptr, Fault::StatusOnly},
        FailureCase{"ClerkThreeRefused", 4, false, "----------------------- CLERK 3", Fault::StatusOnly},
        FailureCase{"ZSumReadRefused", 10, true, "TOTAL BAR\t\t-85899345.92", Fault::StatusOnly}),
    testcases::caseName);

} // namespace
