// The report text: the amount and number renderings, the date line's midnight rule, and the report
// file's bytes.
#include "reports/ReportText.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "tests/support/NullDevice.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testcases::PrintTo;

struct AmountCase {
    const char* name;
    int64_t hundredths;
    const char* point;
    const char* comma;
};

class AmountText : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountText, HasTwoDecimalsAndTheRegionalSeparator) {
    {
        LocaleGuard english(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(reports::formatAmount(GetParam().hundredths), GetParam().point);
    }
    LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(reports::formatAmount(GetParam().hundredths), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, AmountText,
    ::testing::Values(AmountCase{"Zero", 0, "0.00", "0,00"}, AmountCase{"Hundredths", -5, "-0.05", "-0,05"},
                      AmountCase{"Whole", 100, "1.00", "1,00"},
                      AmountCase{"NoGrouping", 12345678, "123456.78", "123456,78"},
                      AmountCase{"FourTimesInt32Max", 4 * int64_t(2147483647), "85899345.88", "85899345,88"},
                      AmountCase{"FourTimesInt32Min", -4 * int64_t(2147483648), "-85899345.92",
                                 "-85899345,92"}),
    testcases::caseName);

TEST(ReportNumbers, TwoWideFieldsPadWithOneBlank) {
    EXPECT_EQ(reports::twoWide(0), " 0");
    EXPECT_EQ(reports::twoWide(7), " 7");
    EXPECT_EQ(reports::twoWide(23), "23");
}

TEST(ReportTimestamp, MidnightShowsTheDateAlone) {
    LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    const QDate day(2026, 3, 5);
    EXPECT_EQ(reports::reportTimestamp(QDateTime(day, QTime(14, 7, 9))), "05.03.26 14:07:09");
    EXPECT_EQ(reports::reportTimestamp(QDateTime(day, QTime(0, 0, 0))), "05.03.26");
    EXPECT_EQ(reports::reportTimestamp(QDateTime(day, QTime(0, 0, 1))), "05.03.26 00:00:01");
}

TEST(ReportFile, EveryLineEndsWithCrLfInCodePage1250) {
    EXPECT_TRUE(reports::reportFileBytes({}).isEmpty());
    EXPECT_EQ(reports::reportFileBytes({"a\tb", "", "Verk\u00e4ufer 1"}),
              QByteArray("a\tb\r\n\r\nVerk\xE4ufer 1\r\n"));
}

TEST(ReportFile, SavingReplacesTheFileOrLeavesItAlone) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("REPORT.TXT"));
    ASSERT_TRUE(reports::saveReportFile(path, {"first", "second"}));
    ASSERT_TRUE(reports::saveReportFile(path, {"x"}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("x\r\n"));
    file.close();
    ASSERT_TRUE(reports::saveReportFile(path, {}));
    EXPECT_EQ(QFile(path).size(), 0);

    EXPECT_FALSE(reports::saveReportFile(folder.filePath(QStringLiteral("missing/REPORT.TXT")), {"x"}));

    EXPECT_NULL_DEVICE_WRITTEN_AS_IT_IS(folder.path().toStdString(), [](const std::string& device) {
        return reports::saveReportFile(QString::fromStdString(device), {"x"});
    });
}

} // namespace
