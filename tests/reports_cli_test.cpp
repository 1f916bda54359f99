// scalectl report run in-process on a link opened to the emulated scale: the text on stdout and in
// the file, the Z close after it, the exit codes, and what is kept when a read or the close fails.
// The sales archive behind it: every figure of the report memory in its column of scalectl history
// (on SQLite and on a PostgreSQL server), and no close when the figures cannot be kept.
#include "cli/ReportCommands.h"
#include "reports/ReportText.h"
#include "reports/SalesHistory.h"
#include "store/SalesArchive.h"
#include "tests/support/ArchiveLocation.h"
#include "tests/support/ExchangeFailure.h"
#include "tests/support/KnownReportMemory.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <sstream>

namespace {

using testcases::PrintTo;

const std::vector<uint8_t> kCloseWith4711{0x44, 0x00, 0x00, 0x12, 0x67};
const std::vector<uint8_t> kReadTotals{0x43, 0x08, 0x00, 0xC0};

class ReportCommand : public ::testing::Test {
protected:
    SimHarness scale;
    LocaleGuard english{QLocale(QLocale::English, QLocale::UnitedStates)};
    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream err;
    std::string archive = folder.filePath(QStringLiteral("archive.db")).toStdString();
    std::string pc = "SHOP 9/till-2";

    void SetUp() override {
        scale.sim().withState([](ScaleState& s) {
            fillKnownReportMemory(s);
            s.password = 4711;
        });
        ASSERT_TRUE(theLink.open(1, 9600));
        scale.sim().clearLog();
    }
    QJsonObject result; // the last run's
    int run(const std::vector<std::string>& args, const std::string& port = "COM1") {
        PortRun portRun{theLink, port, out, err, false, {}, archive, pc};
        const int code = runParsed(parseReport(args), portRun);
        result = portRun.result;
        return code;
    }
    std::vector<store::ArchiveEntry> archived() {
        QString error;
        auto opened = store::SalesArchive::open(QString::fromStdString(archive), &error);
        auto entries = opened ? opened->entries({}, &error) : std::nullopt;
        EXPECT_TRUE(entries) << error.toStdString();
        return entries ? *entries : std::vector<store::ArchiveEntry>{};
    }
    void writeFile(const std::string& path, const QByteArray& bytes) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    void forget() {
        scale.sim().clearLog();
        out.str({});
        err.str({});
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
    // The identity, the 17 reads, then the totals read before and after the close.
    const auto bodies = scale.sim().requestBodies();
    ASSERT_EQ(bodies.size(), 21u);
    EXPECT_EQ(bodies.front(), std::vector<uint8_t>{0x01}) << "the identity first";
    EXPECT_EQ(std::vector(bodies.end() - 3, bodies.end()),
              (std::vector<std::vector<uint8_t>>{kReadTotals, kCloseWith4711, kReadTotals}));
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
    int32_t grandTotalAfter; // what the scale holds at the end
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
    EXPECT_EQ(grandTotal(), GetParam().grandTotalAfter);
    // No answer says whether the day was closed: the entry's outcome stays empty.
    for (const store::ArchiveEntry& entry : archived())
        EXPECT_EQ(entry.closeAcknowledged, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportCommandFailure,
    ::testing::Values(CommandFailure{"Identity", 1, "", false, 123456},
                      CommandFailure{"FirstRead", 2, "", false, 123456},
                      CommandFailure{"LastRead", 18, "\r\nTOTAL BAR\t\t-85899345.92\r\n", false, 123456},
                      CommandFailure{"ReadBeforeTheClose", 19, "\r\nTOTAL KREDIT\t\t100.00\r\n", false,
                                     123456},
                      CommandFailure{"Close", 20, "\r\nTOTAL KREDIT\t\t100.00\r\n", true, 123456},
                      CommandFailure{"ReadAfterTheClose", 21, "\r\nTOTAL KREDIT\t\t100.00\r\n", true, 0}),
    testcases::caseName);

// The close checked on the scale: a sale booked after the report stops it, a scale that acknowledges
// it but keeps its day (a wrong password) is no close, and only a close read back as done is noted
// as one.
TEST_F(ReportCommand, SaleBookedAfterTheReportIsNeverClearedUnread) {
    int totalsReads = 0;
    ScaleSim& sim = scale.sim();
    // A sale booked at the counter just before the totals are read the second time.
    sim.onRequest([&totalsReads, &sim](const std::vector<uint8_t>& body) {
        if (body == kReadTotals && ++totalsReads == 2)
            sim.withState([](ScaleState& s) {
                s.report.grandTotal += 188;
                ++s.report.docNumber;
            });
    });
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitCommunication);
    sim.onRequest(nullptr);
    EXPECT_EQ(err.str(),
              "Sales were made since the report: no close was sent; report --z reads the report again.\n");
    EXPECT_FALSE(closeSent());
    EXPECT_EQ(grandTotal(), 123456 + 188);
    EXPECT_FALSE(result["closed"].toBool(true));
    const auto entries = archived();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].figures.grandTotal, 123456);
    EXPECT_EQ(entries[0].closeAcknowledged, std::nullopt) << "no close was sent after it";
}

TEST_F(ReportCommand, AcknowledgedCloseThatKeptTheDayIsExitSix) {
    EXPECT_EQ(run({"--z", "--password", "1234"}), kExitNotClosed);
    EXPECT_EQ(err.str(), "The scale did not close the day: check the password\n");
    EXPECT_EQ(grandTotal(), 123456);
    EXPECT_FALSE(result["closed"].toBool(true));
    const auto entries = archived();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].closeAcknowledged, std::optional<bool>(false));
}

TEST_F(ReportCommand, CloseThatCannotBeNotedIsStillDoneWithAWarning) {
    {
        QString error;
        auto opened = store::SalesArchive::open(QString::fromStdString(archive), &error);
        ASSERT_TRUE(opened) << error.toStdString();
        ASSERT_TRUE(QSqlQuery(opened->database().sql())
                        .exec("CREATE TRIGGER locked BEFORE UPDATE ON sales_reports "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    }
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitOk) << "a retry on 4 would close again";
    EXPECT_EQ(err.str().rfind("warning: the close's outcome could not be noted in the sales archive (", 0),
              0u)
        << err.str();
    EXPECT_EQ(grandTotal(), 0);
    EXPECT_TRUE(result["closed"].toBool());
    EXPECT_FALSE(result["noted"].toBool(true));
    EXPECT_TRUE(result["warning"].toString().contains("disk full"));
    EXPECT_TRUE(result["grand_total"].isDouble()) << "figures are numbers";
}

// One Z a day: a second run on a day already closed and empty sends nothing and leaves the file;
// --force, a sale since, or a close made on another port do not count as that.
TEST_F(ReportCommand, SecondZOfAnEmptyClosedDayIsSkippedUnlessForced) {
    ASSERT_EQ(run({"--z", "--password", "4711"}, "COM2"), kExitOk) << err.str();
    forget();
    ASSERT_EQ(run({"--z", "--password", "4711"}), kExitOk) << "closed on another port only";
    EXPECT_TRUE(closeSent());
    const QByteArray earlier = "EARLIER REPORT\r\n";
    writeFile(file(), earlier);
    const size_t entries = archived().size();
    forget();
    EXPECT_EQ(run({"--z", "--password", "4711", "-o", file()}), kExitOk);
    EXPECT_FALSE(closeSent());
    EXPECT_EQ(fileBytes(), earlier);
    EXPECT_EQ(err.str(), "The day was closed today already and nothing has been sold since: no close was "
                         "sent (--force closes anyway).\n");
    EXPECT_EQ(result["skipped"].toString(), "already closed today");
    EXPECT_FALSE(result["closed"].toBool(true));
    EXPECT_EQ(archived().size(), entries);

    forget();
    EXPECT_EQ(run({"--z", "--password", "4711", "--force"}), kExitOk);
    EXPECT_TRUE(closeSent());
    scale.sim().withState([](ScaleState& s) { s.report.grandTotal = 5; });
    forget();
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitOk);
    EXPECT_TRUE(closeSent()) << "a sale since the close";
}

// A sale at the counter: one more document, 1.88 more at nine o'clock.
void sell(ScaleState& s) {
    s.report.grandTotal += 188;
    s.report.taxTotals[0] += 188;
    s.report.hourAmounts[9] += 188;
    ++s.report.hourCounts[9];
    ++s.report.docNumber;
}

// When a sale lands during a close: never, as the close reaches the scale (after the last read), or
// between the close and the totals read back.
enum class SaleLands { Never, WithTheClose, AfterTheClose };

struct CloseCase {
    const char* name;
    void (*prepare)(ScaleState&);
    const char* password;
    SaleLands sale;
    int exit;
    std::optional<bool> noted;
    std::optional<std::pair<int, int>> clearedUnread;
    const char* said; // the end of stderr
};

class CloseReadBack : public ReportCommand, public ::testing::WithParamInterface<CloseCase> {};

// The close judged by the figures read back, never by one of them.
TEST_P(CloseReadBack, DecidesByTheFigures) {
    const CloseCase& c = GetParam();
    ScaleSim& sim = scale.sim();
    sim.withState(c.prepare);
    bool closeSeen = false;
    sim.onRequest([&](const std::vector<uint8_t>& body) {
        if (!body.empty() && body[0] == 0x44) {
            closeSeen = true;
            if (c.sale == SaleLands::WithTheClose)
                sim.withState(sell);
        } else if (closeSeen && body == kReadTotals && c.sale == SaleLands::AfterTheClose) {
            closeSeen = false;
            sim.withState(sell);
        }
    });
    EXPECT_EQ(run({"--z", "--password", c.password}), c.exit) << err.str();
    sim.onRequest(nullptr);
    EXPECT_TRUE(err.str().ends_with(c.said)) << err.str();
    EXPECT_EQ(result["closed"].toBool(), c.noted == std::optional<bool>(true));
    ASSERT_EQ(archived().size(), 1u);
    EXPECT_EQ(archived()[0].closeAcknowledged, c.noted);
    if (c.clearedUnread)
        EXPECT_EQ(result["cleared_unread"].toArray(),
                  (QJsonArray{c.clearedUnread->first, c.clearedUnread->second}));
    else
        EXPECT_FALSE(result.contains("cleared_unread"));
}

void knownDay(ScaleState&) {}
void noSales(ScaleState& s) {
    const int32_t document = s.report.docNumber;
    s.report = {};
    s.report.docNumber = document;
}
// A sale and its refund: every amount 0, the two counted.
void nettingToZero(ScaleState& s) {
    noSales(s);
    s.report.hourCounts[9] = 2;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CloseReadBack,
    ::testing::Values(CloseCase{"Closed", knownDay, "4711", SaleLands::Never, kExitOk, true, {}, ""},
                      CloseCase{"WrongPasswordOnADayWithoutSales",
                                noSales,
                                "1234",
                                SaleLands::Never,
                                kExitNotClosed,
                                false,
                                {},
                                "The scale did not close the day: check the password\n"},
                      CloseCase{"WrongPasswordOnADayNettingToZero",
                                nettingToZero,
                                "1234",
                                SaleLands::Never,
                                kExitNotClosed,
                                false,
                                {},
                                "The scale did not close the day: check the password\n"},
                      CloseCase{"WrongPasswordAndASaleBeforeTheReadBack",
                                knownDay,
                                "1234",
                                SaleLands::AfterTheClose,
                                kExitCommunication,
                                std::nullopt,
                                {},
                                "check on the scale (the next reading settles it).\n"},
                      CloseCase{"SaleClearedUnread", knownDay, "4711", SaleLands::WithTheClose, kExitOk, true,
                                std::pair(4712, 4712), "their sales were never read.\n"}),
    testcases::caseName);

// A close whose answer was lost stays unknown until the scale's next reading settles it: then the
// one-Z-a-day guard counts it, and the day keeps its total.
TEST_F(ReportCommand, UnansweredCloseIsSettledByTheNextReading) {
    ScaleSim& sim = scale.sim();
    // The close is carried out, and the line loses every answer until the read back gives up.
    sim.onRequest([&sim](const std::vector<uint8_t>& body) {
        if (!body.empty() && body[0] == 0x44)
            sim.injectFault(Fault::Unanswered, 4);
    });
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitCommunication);
    sim.onRequest(nullptr);
    EXPECT_EQ(grandTotal(), 0);
    ASSERT_EQ(archived().size(), 1u);
    EXPECT_EQ(archived()[0].closeAcknowledged, std::nullopt);

    // Totals that say neither (counts fell under the report's own document number): no second Z.
    ScaleState closed;
    sim.withState([&closed](ScaleState& s) {
        closed = s;
        s.report.docNumber = 4711;
        sell(s);
        s.report.docNumber = 4711;
    });
    forget();
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitCommunication);
    EXPECT_FALSE(closeSent());
    EXPECT_NE(err.str().find("An earlier close of today is still unknown: no close was sent"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(result["skipped"].toString(), "earlier close unknown");
    EXPECT_TRUE(result["settled"].toObject()["closed"].isNull());

    sim.withState([&closed](ScaleState& s) { s = closed; });
    forget();
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitOk) << err.str();
    EXPECT_FALSE(closeSent());
    EXPECT_NE(err.str().find("An earlier close (document 4711, read "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("was carried out as the totals show.\nThe day was closed today already"),
              std::string::npos)
        << err.str();
    EXPECT_TRUE(result["settled"].toObject()["closed"].toBool());
    const auto entries = archived();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].closeAcknowledged, std::optional<bool>(true));
    EXPECT_EQ(reports::dailyTotals(entries),
              (std::vector<std::pair<QDate, int64_t>>{{QDate::currentDate(), 123456}}));
}

// An X reading settles it as well: totals that still hold the report's figures (grown by a sale) mean
// the scale did not close.
TEST_F(ReportCommand, ReadingThatStillHoldsTheFiguresSettlesTheCloseAsNotDone) {
    ScaleSim& sim = scale.sim();
    // The close's answer lost, and the close not carried out either (a line that drops requests).
    sim.onRequest([&sim](const std::vector<uint8_t>& body) {
        if (!body.empty() && body[0] == 0x44)
            sim.injectFault(Fault::Silence, 4);
    });
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitCommunication);
    sim.onRequest(nullptr);
    ASSERT_EQ(archived().size(), 1u);
    EXPECT_EQ(archived()[0].closeAcknowledged, std::nullopt);
    sim.withState(sell);
    forget();
    EXPECT_EQ(run({}), kExitOk) << err.str();
    EXPECT_NE(err.str().find("was not carried out as the totals show."), std::string::npos) << err.str();
    const auto entries = archived();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].closeAcknowledged, std::optional<bool>(false));
    EXPECT_EQ(entries[1].figures.grandTotal, 123456 + 188);
}

// report --z --dry-run reads nothing but the identity and the totals, sends no close and writes
// nothing, even where no archive exists yet (which holds no close: one would be sent).
TEST_F(ReportCommand, DryRunWithoutAnArchiveMakesNone) {
    archive = folder.filePath(QStringLiteral("none.db")).toStdString();
    EXPECT_EQ(run({"--z", "--dry-run"}), kExitOk) << err.str();
    EXPECT_TRUE(result["would_close"].toBool());
    EXPECT_EQ(scale.sim().requestBodies(), (std::vector<std::vector<uint8_t>>{{0x01}, kReadTotals}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

// The password kept off the command line, where every user of the machine sees it.
TEST_F(ReportCommand, PasswordFromAFileOrTheEnvironment) {
    const std::string secret = folder.filePath(QStringLiteral("z-password")).toStdString();
    writeFile(secret, "4711\r\nsecond line\n");
    EXPECT_EQ(run({"--z", "--password-file", secret}), kExitOk) << err.str();
    EXPECT_TRUE(closeSent());

    for (const char* overruled : {"--password", "--password-file"}) {
        SCOPED_TRACE(overruled);
        scale.sim().withState(fillKnownReportMemory);
        forget();
        ASSERT_EQ(setenv("SCALE_Z_PASSWORD", "4711", 1), 0);
        const int code = std::string(overruled) == "--password"
                             ? run({"--z", "--force", "--password", "1234"})
                             : run({"--z", "--force"});
        unsetenv("SCALE_Z_PASSWORD");
        if (std::string(overruled) == "--password") {
            EXPECT_EQ(code, kExitNotClosed) << "the command line's password wins";
            EXPECT_FALSE(closeSent());
        } else {
            EXPECT_EQ(code, kExitOk) << err.str();
            EXPECT_TRUE(closeSent());
        }
    }
}

TEST(ReportCommandLine, BadPasswordFileOrVariableNamesItsSourceNotItsText) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("pw")).toStdString();
    struct Case {
        const char* name;
        const char* content; // null: no file
        const char* said;
    };
    for (const Case& c :
         {Case{"Missing", nullptr, "No such file or directory"}, Case{"Empty", "", "the file is empty"},
          Case{"NotANumber", "47x11\n", "the first line is not a number from 0 to 99999"},
          Case{"TooLarge", "100000\n", "the first line is not a number from 0 to 99999"}}) {
        SCOPED_TRACE(c.name);
        QFile::remove(QString::fromStdString(path));
        if (c.content) {
            QFile f(QString::fromStdString(path));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.content);
        }
        std::ostringstream said;
        std::streambuf* was = std::cerr.rdbuf(said.rdbuf());
        const ParseResult parsed = parseReport({"--z", "--password-file", path});
        std::cerr.rdbuf(was);
        ASSERT_TRUE(std::holds_alternative<int>(parsed));
        EXPECT_EQ(std::get<int>(parsed), kExitBadInput);
        EXPECT_EQ(said.str(), "scalectl: --password-file " + path + ": " + c.said + "\n");
    }
    ASSERT_EQ(setenv("SCALE_Z_PASSWORD", "secret", 1), 0);
    std::ostringstream said;
    std::streambuf* was = std::cerr.rdbuf(said.rdbuf());
    const ParseResult parsed = parseReport({"--z"});
    const ParseResult report = parseReport({});
    std::cerr.rdbuf(was);
    unsetenv("SCALE_Z_PASSWORD");
    ASSERT_TRUE(std::holds_alternative<int>(parsed));
    EXPECT_EQ(std::get<int>(parsed), kExitBadInput);
    EXPECT_EQ(said.str(), "scalectl: SCALE_Z_PASSWORD is not a number from 0 to 99999\n");
    EXPECT_TRUE(std::holds_alternative<Job>(report)) << "a report without --z takes no password";
}

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
    columns["pc"] = "SHOP 9/till-2";
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

// The Z entry is committed, for every other connection to see, by the time the close reaches the
// scale: the day's only copy is never in a transaction still open when the scale clears it.
TEST_P(ArchivedReport, ZEntryIsCommittedWhenTheCloseReachesTheScale) {
    std::atomic<int> seenAtClose{-1};
    const QString where = QString::fromStdString(archive);
    scale.sim().onRequest([&](const std::vector<uint8_t>& body) {
        if (body.empty() || body[0] != 0x44)
            return;
        QString error;
        auto reader = store::Database::open(where, &error);
        QSqlQuery q(reader ? reader->sql() : QSqlDatabase());
        if (reader && q.exec("SELECT count(*) FROM sales_reports WHERE kind = 'Z'") && q.next())
            seenAtClose = q.value(0).toInt();
    });
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitOk) << err.str();
    scale.sim().onRequest({});
    EXPECT_EQ(seenAtClose, 1);
    EXPECT_EQ(grandTotal(), 0);
}

// The prediction shares the run's rule and archive: the same PC, site included, and the one-Z-a-day
// guard, on SQLite and on a server.
TEST_P(ArchivedReport, DryRunPredictsFromTheArchiveTheRunWouldUse) {
    ASSERT_EQ(run({"--z", "--password", "4711"}), kExitOk) << err.str();
    const size_t entries = archived().size();
    forget();
    EXPECT_EQ(run({"--z", "--dry-run"}), kExitOk) << err.str();
    EXPECT_FALSE(result["would_close"].toBool(true));
    EXPECT_EQ(result["skipped"].toString(), "already closed today");
    EXPECT_EQ(scale.sim().requestBodies(), (std::vector<std::vector<uint8_t>>{{0x01}, kReadTotals}));
    EXPECT_TRUE(run({"--z", "--dry-run", "--force"}) == kExitOk && result["would_close"].toBool());
    pc = "SHOP 12/till-2";
    EXPECT_EQ(run({"--z", "--dry-run"}), kExitOk) << err.str();
    EXPECT_TRUE(result["would_close"].toBool()) << "another shop's PC closed nothing today";
    EXPECT_FALSE(closeSent());
    EXPECT_EQ(archived().size(), entries);
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

// The HISTORY window's day chart: each scale's day counted once, by its closes read back as done,
// else by its last reading of the day.
struct DayChartCase {
    const char* name;
    // Entries as "HH:MM scale kind total", kind X, Z (close read back as done), R (close refused) or
    // U (a close unknown, or none sent after it); all on 2026-03-02 unless the time starts with '+' (the
    // next day).
    std::vector<const char*> entries;
    std::vector<std::pair<int, int64_t>> days; // day of March, total
};

class DayChart : public ::testing::TestWithParam<DayChartCase> {};

TEST_P(DayChart, CountsEachScaleOnceADay) {
    std::vector<store::ArchiveEntry> entries;
    for (const char* text : GetParam().entries) {
        const QStringList f = QString::fromLatin1(text).split(QLatin1Char(' '));
        store::ArchiveEntry& e = entries.emplace_back();
        const bool nextDay = f[0].startsWith(QLatin1Char('+'));
        e.readAtLocal =
            QDateTime(QDate(2026, 3, nextDay ? 3 : 2), QTime::fromString(f[0].mid(nextDay), "HH:mm"));
        e.identity = f[1];
        e.port = QStringLiteral("COM1");
        e.kind = f[2] == QLatin1String("X") ? store::ReportKind::X : store::ReportKind::Z;
        if (f[2] == QLatin1String("Z") || f[2] == QLatin1String("R"))
            e.closeAcknowledged = f[2] == QLatin1String("Z");
        e.figures.grandTotal = f[3].toLongLong();
    }
    std::vector<std::pair<QDate, int64_t>> expected;
    for (const auto& [day, total] : GetParam().days)
        expected.emplace_back(QDate(2026, 3, day), total);
    EXPECT_EQ(reports::dailyTotals(entries), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DayChart,
    ::testing::Values(
        DayChartCase{"TwoXReportsOfOneDayCountTheLast", {"12:00 A X 500", "18:00 A X 900"}, {{2, 900}}},
        DayChartCase{"RefusedCloseAndTheRealOne", {"19:00 A R 900", "19:05 A Z 900"}, {{2, 900}}},
        DayChartCase{
            "CloseWinsOverTheDaysXReports", {"12:00 A X 500", "19:00 A Z 900", "20:00 A X 40"}, {{2, 900}}},
        DayChartCase{
            "TwoScalesOnOneDayAreAdded", {"18:00 A X 900", "19:00 B Z 300", "19:10 A X 950"}, {{2, 1250}}},
        DayChartCase{"TwoClosesOfOneDayAreTwoPeriods", {"13:00 A Z 400", "19:00 A Z 500"}, {{2, 900}}},
        DayChartCase{"ARefusedOrUnsentCloseAloneIsAReading",
                     {"19:00 A R 700", "+19:00 A U 800"},
                     {{2, 700}, {3, 800}}},
        DayChartCase{"DaysAreApart", {"19:00 A Z 100", "+19:00 A Z 200"}, {{2, 100}, {3, 200}}},
        // A close left unknown is never dropped for a close that came after it.
        DayChartCase{"UnknownCloseThenAnEmptyClose", {"19:00 A U 234872", "19:05 A Z 0"}, {{2, 234872}}},
        DayChartCase{"CloseThenAnUnknownOne", {"13:00 A Z 400", "19:00 A U 500"}, {{2, 900}}},
        DayChartCase{"UnknownThenAReading", {"19:00 A U 700", "20:00 A X 750"}, {{2, 750}}},
        DayChartCase{"RefusedThenUnknown", {"19:00 A R 700", "19:05 A U 700"}, {{2, 700}}},
        DayChartCase{"CloseThenARefusedOne", {"13:00 A Z 400", "19:00 A R 500"}, {{2, 400}}},
        DayChartCase{
            "EveryKindOnTwoScales",
            {"12:00 A X 100", "13:00 A U 300", "13:05 A Z 0", "18:00 B R 50", "19:00 B Z 80", "20:00 B X 5"},
            {{2, 380}}}),
    testcases::caseName);

TEST(ClosedToday, OnlyACloseReadBackAsDoneByThatScaleOnThatPortOfThatPcThatDay) {
    store::ArchiveEntry close;
    close.kind = store::ReportKind::Z;
    close.closeAcknowledged = true;
    close.identity = QStringLiteral("A");
    close.port = QStringLiteral("COM1");
    close.readAtLocal = QDateTime(QDate(2026, 3, 2), QTime(19, 0));
    const QDate day(2026, 3, 2);
    close.pc = QStringLiteral("P");
    EXPECT_TRUE(reports::lastCloseOn({close}, "A", "COM1", "P", day).has_value());
    EXPECT_FALSE(reports::lastCloseOn({close}, "B", "COM1", "P", day).has_value());
    EXPECT_FALSE(reports::lastCloseOn({close}, "A", "COM2", "P", day).has_value());
    EXPECT_FALSE(reports::lastCloseOn({close}, "A", "COM1", "Q", day).has_value());
    EXPECT_FALSE(reports::lastCloseOn({close}, "A", "COM1", "P", day.addDays(1)).has_value());
    store::ArchiveEntry refused = close;
    refused.closeAcknowledged = false;
    store::ArchiveEntry unsent = close;
    unsent.closeAcknowledged.reset();
    EXPECT_FALSE(reports::lastCloseOn({refused, unsent}, "A", "COM1", "P", day).has_value());
}

// A listing only reads: a mistyped archive is an error that names it, not a new empty archive.
TEST_F(ReportCommand, HistoryOfAMissingArchiveIsAnIoErrorAndMakesNothing) {
    archive = folder.filePath(QStringLiteral("mistyped.db")).toStdString();
    std::string listing;
    EXPECT_EQ(history({}, listing), kExitIoError);
    EXPECT_EQ(err.str(), "I/O Error!\n(no archive at " + archive + ")\n");
    EXPECT_EQ(listing, "");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

// A server that refuses the entry only at COMMIT (a deferred check, a disk that fills while it syncs):
// the entry is not kept, so no close goes out.
TEST_F(ReportCommand, EntryRefusedAtCommitIsAnIoErrorAndNoCloseIsSent) {
    ArchiveLocation location = archiveLocation(true, folder);
    if (location.location.isEmpty())
        GTEST_SKIP() << location.skipReason.toStdString();
    archive = location.location.toStdString();
    {
        QString error;
        auto opened = store::SalesArchive::open(location.location, &error);
        ASSERT_TRUE(opened) << error.toStdString();
        QSqlQuery q(opened->database().sql());
        ASSERT_TRUE(q.exec("CREATE FUNCTION refuse_entry() RETURNS trigger LANGUAGE plpgsql AS "
                           "$$ BEGIN RAISE EXCEPTION 'refused at commit'; END $$"))
            << q.lastError().text().toStdString();
        ASSERT_TRUE(q.exec("CREATE CONSTRAINT TRIGGER refuse_at_commit AFTER INSERT OR UPDATE ON "
                           "sales_reports DEFERRABLE INITIALLY DEFERRED FOR EACH ROW "
                           "EXECUTE FUNCTION refuse_entry()"))
            << q.lastError().text().toStdString();
    }
    EXPECT_EQ(run({"--z", "--password", "4711"}), kExitIoError);
    EXPECT_NE(err.str().find("refused at commit"), std::string::npos) << err.str();
    EXPECT_FALSE(closeSent());
    EXPECT_EQ(grandTotal(), 123456);
}

// A server whose process stopped (the kernel still takes the connection, nothing answers) fails the
// report within the connection's time-out: exit 4 with the reason, no close, never a hang.
TEST_F(ReportCommand, ArchiveOnAStoppedServerIsAnIoErrorWithinTheBound) {
    if (QFile::exists(QStringLiteral(PG_TEST_SERVER "/missing")))
        GTEST_SKIP() << "no PostgreSQL server binaries";
    const QString server = folder.filePath(QStringLiteral("server"));
    // Stopped however the test ends: a server left running would outlive the run.
    struct StopAtTheEnd {
        QString server;
        ~StopAtTheEnd() {
            QProcess::execute(QStringLiteral("bash"), {QStringLiteral(PG_TEST_SCRIPT), "stop", server});
        }
    } stop{server};
    ASSERT_EQ(QProcess::execute(QStringLiteral("bash"), {QStringLiteral(PG_TEST_SCRIPT), "start", server}),
              0);
    // The server's own files live in a folder of their own, which server/server names.
    QFile url(server + "/url"), serverFolder(server + "/server");
    ASSERT_TRUE(url.open(QIODevice::ReadOnly) && serverFolder.open(QIODevice::ReadOnly));
    QFile pidFile(QString::fromLocal8Bit(serverFolder.readAll().trimmed()) + "/data/postmaster.pid");
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const pid_t postmaster = pid_t(pidFile.readLine().trimmed().toInt());
    ASSERT_GT(postmaster, 0);
    ASSERT_EQ(kill(postmaster, SIGSTOP), 0);
    archive = url.readAll().trimmed().toStdString() + "?connect_timeout=2";
    const int code = run({"--z", "--password", "4711"});
    kill(postmaster, SIGCONT);
    EXPECT_EQ(code, kExitIoError);
    EXPECT_NE(err.str().find("timeout"), std::string::npos) << err.str();
    EXPECT_FALSE(closeSent());
    EXPECT_EQ(grandTotal(), 123456);
}

TEST(ReportCommandLine, RefusesBadArgumentsBeforeAnyPortIsTouched) {
    const std::vector<std::vector<std::string>> bad = {{"--password", "5"},
                                                       {"--z", "--password", "100000"},
                                                       {"--z", "--password", "-1"},
                                                       {"--z", "--password"},
                                                       {"--z", "--password", "12a"},
                                                       {"-o"},
                                                       {"--z", "--password", ""},
                                                       {"now"},
                                                       {"--force"},
                                                       {"--password-file", "pw"},
                                                       {"--z", "--password", "1", "--password-file", "pw"},
                                                       {"--z", "--password-file"}};
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
