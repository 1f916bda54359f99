// The settings record's own rules: DEFAULT's values and what it leaves alone, and the rate and tax
// conversions (hundredths with ties to even, the shortest decimal text) in both notations.
#include "settings/Settings.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "text/Numbers.h"

#include <gtest/gtest.h>

namespace {

using testcases::PrintTo;

TEST(SettingsDefaults, SetTheFactoryValuesAndLeaveClerkModeAndTaxesAlone) {
    Settings s;
    s.clerkMode = 3;
    s.taxes.fill(QStringLiteral("7.5"));
    s.printFlags = PrintDuplicate | ObligatoryPaid;
    s.printAllReports = true;
    applyFactoryDefaults(s);

    EXPECT_EQ(s.clerkMode, 3);
    EXPECT_EQ(s.taxes[7], "7.5");
    EXPECT_EQ(s.printFlags, 0xDD); // every option but "Print Duplicate" and "Obligatory Paid"
    EXPECT_FALSE(s.printAllReports);
    EXPECT_TRUE(s.printTax);
    EXPECT_EQ(s.baudRate, "115200");
    EXPECT_EQ(s.drawerTime, 50);
    EXPECT_EQ(s.darkness, "3");
    EXPECT_EQ(s.currency, QString::fromUtf8("Z\xC5\x82 "));
    EXPECT_EQ(s.rate, "4.00");
    EXPECT_EQ(s.receiptLines[1], "12345678901234567890123456789012");
    EXPECT_EQ(s.receiptLines[6], "~7FOOTER MESSAGE");
    EXPECT_EQ(s.departments[0], "GROUP 0");
    EXPECT_EQ(s.departments[39], "GROUP 39");
    for (const QString& clerk : s.clerks) {
        EXPECT_FALSE(clerk.isEmpty());
        EXPECT_LE(clerk.size(), 16);
    }
}

struct HundredthsCase {
    const char* name;
    const char* text;
    int64_t hundredths;
};

class HundredthsOfText : public ::testing::TestWithParam<HundredthsCase> {};

TEST_P(HundredthsOfText, RoundTiesToEven) {
    EXPECT_EQ(hundredthsOf(QString::fromLatin1(GetParam().text)), GetParam().hundredths);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, HundredthsOfText,
    ::testing::Values(HundredthsCase{"Half", "7.5", 750}, HundredthsCase{"TieDown", "0.125", 12},
                      HundredthsCase{"TieUp", "0.375", 38}, HundredthsCase{"Negative", "-5", -500},
                      HundredthsCase{"Highest", "99.99", 9999}, HundredthsCase{"Blanks", " 4.00 ", 400},
                      HundredthsCase{"Comma", "7,5", 750}),
    testcases::caseName);

TEST(HundredthsOfText, RefuseWhatIsNoNumberWithTheStandardMessage) {
    for (const char* text : {"", "abc", "7,5.", "1e300"}) {
        try {
            hundredthsOf(QString::fromLatin1(text));
            ADD_FAILURE() << text << " converted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }
}

TEST(DecimalFromHundredths, IsTheShortestTextInTheRegionalNotation) {
    EXPECT_EQ(decimalFromHundredths(400), "4");
    EXPECT_EQ(decimalFromHundredths(1950), "19.5");
    EXPECT_EQ(decimalFromHundredths(725), "7.25");
    EXPECT_EQ(decimalFromHundredths(-1), "-0.01");
    EXPECT_EQ(decimalFromHundredths(-500), "-5");
    EXPECT_EQ(decimalFromHundredths(2147483647), "21474836.47");
    LocaleGuard comma(QLocale(QLocale::Polish, QLocale::Poland));
    EXPECT_EQ(decimalFromHundredths(725), "7,25");
    EXPECT_EQ(hundredthsOf(QStringLiteral("7,25")), 725);
}

} // namespace
