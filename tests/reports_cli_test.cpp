// scalectl report run in-process on a link opened to the emulated scale: the text on stdout and in
// the file, the Z close after it, the exit codes, and what is kept when a read or the close fails.
// The sales archive behind it: every figure of the report memory in its column of scalectl history
// (on SQLite and on a PostgreSQL server), and no close when the figures cannot be kept.
#include "cli/ReportCommands.h"
#include "reports/ReportText.h"
#include "store/SalesArchive.h"
#include "tests/support/ArchiveLocation.h"
#include "tests/support/ExchangeFailure.h"
#include "tests/support/KnownReportMemory.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

using testcases::PrintTo;

const std::vector<uint8_t> kCloseWith4711{0x44, 0x00, 0x00, 0x12, 0x67};

class ReportCommand : public ::testing::Test {
protected:
    SimHarness scale;
    LocaleGuard english{QLocale(QLocale::English, QLocale::UnitedStates)};
    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream err;
    std::string archive = folder.filePath(QStringLiteral("archive.db")).toStdString();

    void SetUp() override {
        scale.sim().withState([](ScaleState& s) {
            fillKnownReportMemory(s);
            s.password = 4711;
        });
        ASSERT_TRUE(theLink.open(1, 9600));
        scale.sim().clearLog();
    }
    int run(const std::vector<std::string>& args) {
        PortRun portRun{theLink, "COM1", out, err, false, {}, archive};
        return runParsed(parseReport(args), portRun);
    }
    // scalectl history on the same archive: its exit code, its output in `listing`.
    int history(const std::vector<std::string>& args, std::string& listing) {
        std::ostringstream text;
        PortRun portRun{theLink, "", text, err, false, {}, archive};
        const int code = runParsed(parseHistory(args), portRun);
        listing = text.str();
        return code;
    }
    std::string file() const { return folder.filePath(QStringLiteral("REPORT.TXT")).toStdString(); }
    QByteArray fileBytes() const {
        QFile f(QString::fromStdString(file()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    bool closeSent() {
        auto bodies = scale.sim().requestBodies();
        return std::find(bodies.begin(), bodies.end(), kCloseWith4711) != bodies.end();
    }
    int32_t grandTotal() {
        int32_t total = 0;
        scale.sim().withState([&total](ScaleState& s) { total = s.report.grandTotal; });
        return total;
    }
};

TEST_F(ReportCommand, WritesUtf8LinesEachEndedByLfToStdout) {
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitOk) << err.str();
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("----------------------- Berichte ", 0), 0u);
    EXPECT_NE(text.find("\n\nDOC NUM\t\t\t4711\nSumme\t\t\t1234.56\n"), std::string::npos);
    EXPECT_NE(text.find("\n----------------------- Verk\xC3\xA4ufer 4\nKunden\t\t\t65535\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\nTOTAL BAR\t\t-85899345.92\nTOTAL KREDIT\t\t100.00\n"));
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_TRUE(err.str().empty());
    EXPECT_EQ(scale.sim().requestBodies().size(), 19u);
    EXPECT_EQ(scale.sim().requestBodies().front(), std::vector<uint8_t>{0x01}) << "the identity first";
    EXPECT_EQ(scale.sim().requestBodies().back(), kCloseWith4711);
    EXPECT_EQ(grandTotal(), 0);
}

TEST_F(ReportCommand, FileHoldsWhatSaveToFileWrites) {
    EXPECT_EQ(run({"-o", file()}), kExitOk) << err.str();
    EXPECT_TRUE(out.str().empty());
    const QByteArray bytes = fileBytes();
    EXPECT_TRUE(bytes.startsWith("----------------------- REPORT "));
    EXPECT_TRUE(bytes.contains("\r\n\r\nDOC NUM\t\t4711\r\nTOTAL\t\t\t1234.56\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nTOTAL CASH\t\t-85899345.92\r\nTOTAL CREDIT\t\t100.00\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(scale.sim().requestBodies().size(), 18u) << "no close without --z";
    EXPECT_EQ(grandTotal(), 123456);
}

struct CommandFailure {
    const char* name;
    int failingExchange;
    const char* fileEnd; // the file ends with this; "" when the earlier file must be left as it was
    bool closeSent;
};

class ReportCommandFailure : public ReportCommand, public ::testing::WithParamInterface<CommandFailure> {};

// The lines read so far replace an earlier file (which stays as it was when nothing was read), the
// close never follows an incomplete report, and the exit code says that the line failed.
TEST_P(ReportCommandFailure, WritesWhatWasReadAndExitsWithOne) {
    const QByteArray earlier = "EARLIER REPORT\r\n";
    QFile previous(QString::fromStdString(file()));
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly) && previous.write(earlier) == earlier.size());
    previous.close();
    ExchangeFailure failure(scale.sim(), theLink, GetParam().failingExchange);
    EXPECT_EQ(run({"--z", "--password", "4711", "-o", file()}), kExitCommunication);
    EXPECT_EQ(err.str(), "Communication Error!\n");
    const QByteArray bytes = fileBytes();
    if (*GetParam().fileEnd)
        EXPECT_TRUE(bytes.endsWith(GetParam().fileEnd)) << bytes.right(60).toStdString();
    else
        EXPECT_EQ(bytes, earlier);
    EXPECT_EQ(closeSent(), GetParam().closeSent);
    EXPECT_EQ(grandTotal(), 123456);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportCommandFailure,
    ::testing::Values(CommandFailure{"Identity", 1, "", false}, CommandFailure{"FirstRead", 2, "", false},
                      CommandFailure{"LastRead", 18, "\r\nTOTAL BAR\t\t-85899345.92\r\n", false},
                      CommandFailure{"Close", 19, "\r\nTOTAL KREDIT\t\t100.00\r\n", true}),
    testcases::caseName);

// A Z text that cannot be kept is not closed: the totals would be gone with nothing to show for them.
TEST_F(ReportCommand, UnwritableFileStopsBeforeTheClose) {
    const std::string missing = folder.filePath(QStringLiteral("missing/Z.TXT")).toStdString();
    EXPECT_EQ(run({"--z", "--password", "4711", "-o", missing}), kExitIoError);
    EXPECT_EQ(err.str(), "I/O Error!\n(" + missing + ": the folder " +
                             folder.filePath(QStringLiteral("missing")).toStdString() + " does not exist)\n");
    EXPECT_FALSE(closeSent());
    EXPECT_EQ(grandTotal(), 123456);
}

// The figures of a report memory as an independent reader writes them: whole hundredths with a point
// and two decimals, counts as they are.
std::map<std::string, std::string> expectedColumns(const ScaleState& s) {
    std::map<std::string, std::string> columns;
    auto amount = [](int64_t v) {
        char text[40];
        std::snprintf(text, sizeof text, "%s%lld.%02lld", v < 0 ? "-" : "", std::llabs(v) / 100,
                      std::llabs(v) % 100);
        return std::string(text);
    };
    columns["document"] = std::to_string(s.report.docNumber);
    columns["grand_total"] = amount(s.report.grandTotal);
    for (int n = 0; n < 9; ++n)
        columns["tax" + std::to_string(n + 1)] = amount(s.report.taxTotals[size_t(n)]);
    for (int h = 0; h < 24; ++h) {
        columns["hour" + std::to_string(h) + "_amount"] = amount(s.report.hourAmounts[size_t(h)]);
        columns["hour" + std::to_string(h) + "_count"] = std::to_string(s.report.hourCounts[size_t(h)]);
    }
    for (int n = 0; n < 4; ++n) {
        const ClerkTotals& c = s.clerkTotals[size_t(n)];
        const std::string clerk = "clerk" + std::to_string(n + 1) + "_";
        columns[clerk + "sales"] = amount(c.salesTotal);
        columns[clerk + "operations"] = std::to_string(c.operations);
        columns[clerk + "cancel_total"] = amount(c.cancelTotal);
        columns[clerk + "cancel_count"] = std::to_string(c.cancelCount);
        columns[clerk + "clients"] = std::to_string(c.clients);
        columns[clerk + "cash"] = amount(c.cashTotal);
        columns[clerk + "credit"] = amount(c.creditTotal);
        columns[clerk + "discount_count"] = std::to_string(c.discountCount);
        columns[clerk + "discount_total"] = amount(c.discountTotal);
    }
    columns["kind"] = "Z";
    columns["identity"] = s.identity;
    columns["port"] = "COM1";
    columns["reads"] = "1";
    columns["close_acknowledged"] = "1";
    return columns;
}

std::vector<std::string> splitCsvLine(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line)
        if (c == ',')
            fields.emplace_back();
        else
            fields.back().push_back(c);
    return fields;
}

class ArchivedReport : public ReportCommand, public ::testing::WithParamInterface<ArchiveEngine> {
protected:
    void SetUp() override {
        ReportCommand::SetUp();
        ArchiveLocation location = archiveLocation(GetParam().postgres, folder);
        if (location.location.isEmpty())
            GTEST_SKIP() << location.skipReason.toStdString();
        archive = location.location.toStdString();
    }
};

TEST_P(ArchivedReport, EveryFigureOfTheReportMemoryIsInItsColumn) {
    ScaleState before;
    scale.sim().withState([&before](ScaleState& s) { before = s; });
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-1);
    ASSERT_EQ(run({"--z", "--password", "4711"}), kExitOk) << err.str();
    std::string csv;
    ASSERT_EQ(history({"--format", "csv"}, csv), kExitOk) << err.str();
    std::istringstream lines(csv);
    std::string header, row, extra;
    ASSERT_TRUE(std::getline(lines, header) && std::getline(lines, row));
    EXPECT_FALSE(std::getline(lines, extra)) << "one report, one entry";
    const std::vector<std::string> names = splitCsvLine(header), values = splitCsvLine(row);
    ASSERT_EQ(names.size(), values.size());
    std::map<std::string, std::string> got;
    for (size_t i = 0; i < names.size(); ++i)
        got[names[i]] = values[i];
    for (const auto& [column, value] : expectedColumns(before))
        EXPECT_EQ(got[column], value) << column;
    const QDateTime readAt = QDateTime::fromString(QString::fromStdString(got["read_at"]), Qt::ISODate);
    EXPECT_EQ(readAt.timeSpec(), Qt::UTC);
    EXPECT_TRUE(readAt >= start && readAt <= QDateTime::currentDateTimeUtc()) << got["read_at"];
    EXPECT_EQ(names[0], "read_at");

    std::string json;
    ASSERT_EQ(history({"--format", "json", "--scale", before.identity}, json), kExitOk);
    const QJsonArray entries = QJsonDocument::fromJson(QByteArray::fromStdString(json)).array();
    ASSERT_EQ(entries.size(), 1) << json;
    EXPECT_EQ(entries[0]["clerk4_clients"].toInt(), 65535);
    EXPECT_EQ(entries[0]["tax3"].toDouble(), -2.5);
    EXPECT_EQ(entries[0]["identity"].toString().toStdString(), before.identity);
}

INSTANTIATE_TEST_SUITE_P(Engines, ArchivedReport, ::testing::Values(kSqlite, kPostgres), testcases::caseName);

struct ArchiveFailure {
    const char* name;
    // Spoils the archive at `where`.
    void (*spoil)(std::string& where);
    size_t exchanges; // how many the scale saw
};

class UnkeptReport : public ReportCommand, public ::testing::WithParamInterface<ArchiveFailure> {};

// The day's totals are never cleared on the scale without their figures kept.
TEST_P(UnkeptReport, IsAnIoErrorAndNoCloseIsSent) {
    GetParam().spoil(archive);
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitIoError);
    EXPECT_EQ(err.str().rfind("I/O Error!\n(", 0), 0u) << err.str();
    EXPECT_EQ(scale.sim().requestBodies().size(), GetParam().exchanges);
    EXPECT_FALSE(closeSent());
    EXPECT_EQ(grandTotal(), 123456);
}

INSTANTIATE_TEST_SUITE_P(
    Archives, UnkeptReport,
    ::testing::Values(
        ArchiveFailure{"InAMissingFolder", [](std::string& where) { where += "/missing/archive.db"; }, 0},
        ArchiveFailure{"RefusingWrites",
                       [](std::string& where) {
                           QString error;
                           auto archive = store::SalesArchive::open(QString::fromStdString(where), &error);
                           ASSERT_TRUE(archive) << error.toStdString();
                           ASSERT_TRUE(QSqlQuery(archive->database().sql())
                                           .exec("CREATE TRIGGER full BEFORE INSERT ON sales_reports "
                                                 "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
                       },
                       18}),
    testcases::caseName);

TEST(ReportCommandLine, RefusesBadArgumentsBeforeAnyPortIsTouched) {
    const std::vector<std::vector<std::string>> bad = {
        {"--password", "5"},          {"--z", "--password", "100000"},
        {"--z", "--password", "-1"},  {"--z", "--password"},
        {"--z", "--password", "12a"}, {"-o"},
        {"--z", "--password", ""},    {"now"}};
    for (const auto& args : bad) {
        ParseResult parsed = parseReport(args);
        const int* code = std::get_if<int>(&parsed);
        ASSERT_NE(code, nullptr) << ::testing::PrintToString(args);
        EXPECT_EQ(*code, kExitUsage) << ::testing::PrintToString(args);
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"--password", "99999", "--z"}, {"--z", "-o", "{port}.TXT"}}) {
        ParseResult parsed = parseReport(args);
        EXPECT_TRUE(std::holds_alternative<Job>(parsed)) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(std::get<Job>(parseReport({"-o", "{port}.TXT"})).outputPattern, "{port}.TXT");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--from", "2026-02-30"}, {"--to", "7.3.2026"}, {"--format", "xml"}, {"--scale"}, {"all"}}) {
        ParseResult parsed = parseHistory(args);
        ASSERT_TRUE(std::holds_alternative<int>(parsed)) << ::testing::PrintToString(args);
        EXPECT_EQ(std::get<int>(parsed), kExitUsage);
    }
    const ParseResult listing = parseHistory(
        {"--scale", "SCALE 1", "--from", "2026-03-01", "--to", "2026-03-31", "--format", "json"});
    ASSERT_TRUE(std::holds_alternative<Job>(listing));
    EXPECT_FALSE(std::get<Job>(listing).needsPort);
}

} // namespace
