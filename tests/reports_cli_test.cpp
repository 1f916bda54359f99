// scalectl report run in-process on a link opened to the emulated scale: the text on stdout and in
// the file, the Z close after it, the exit codes, and what is kept when a read or the close fails.
#include "cli/ReportCommands.h"
#include "reports/ReportText.h"
#include "tests/support/ExchangeFailure.h"
#include "tests/support/KnownReportMemory.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
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

    void SetUp() override {
        scale.sim().withState([](ScaleState& s) {
            fillKnownReportMemory(s);
            s.password = 4711;
        });
        ASSERT_TRUE(theLink.open(1, 9600));
        scale.sim().clearLog();
    }
    int run(const std::vector<std::string>& args) {
        PortRun portRun{theLink, "COM1", out, err};
        return runParsed(parseReport(args), portRun);
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
    EXPECT_EQ(scale.sim().requestBodies().size(), 18u);
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
    EXPECT_EQ(scale.sim().requestBodies().size(), 17u) << "no close without --z";
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
    ::testing::Values(CommandFailure{"FirstRead", 1, "", false},
                      CommandFailure{"LastRead", 17, "\r\nTOTAL BAR\t\t-85899345.92\r\n", false},
                      CommandFailure{"Close", 18, "\r\nTOTAL KREDIT\t\t100.00\r\n", true}),
    testcases::caseName);

// A Z text that cannot be kept is not closed: the totals would be gone with nothing to show for them.
TEST_F(ReportCommand, UnwritableFileStopsBeforeTheClose) {
    const std::string missing = folder.filePath(QStringLiteral("missing/Z.TXT")).toStdString();
    EXPECT_EQ(run({"--z", "--password", "4711", "-o", missing}), kExitIoError);
    EXPECT_EQ(err.str(), "I/O Error!\n");
    EXPECT_FALSE(closeSent());
    EXPECT_EQ(grandTotal(), 123456);
}

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
}

} // namespace
