// The shared text conversions: numbers in the regional settings, dates and times, the code page.
#include "tests/support/LocaleGuard.h"
#include "text/CodePage.h"
#include "text/DateTimeText.h"
#include "text/Numbers.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

bool intOk(const char* text, int32_t expected) {
    int32_t value = -777;
    int error = 0;
    tryParseInt(QString::fromLatin1(text), value, error);
    return error == 0 && value == expected;
}

bool intFails(const char* text) {
    int32_t value = -777;
    int error = 0;
    tryParseInt(QString::fromLatin1(text), value, error);
    return error == 1 && value == -777; // a failure leaves the value alone
}

bool floatOk(const char* text, double expected) {
    double value = -777;
    int error = 0;
    tryParseFloat(QString::fromLatin1(text), value, error);
    return error == 0 && value == expected;
}

bool floatFails(const char* text) {
    double value = -777;
    int error = 0;
    tryParseFloat(QString::fromLatin1(text), value, error);
    return error == 1 && value == -777;
}

TEST(Numbers, WholeNumbersTakeLeadingBlanksAndASignWithinThirtyTwoBits) {
    EXPECT_TRUE(intOk("  42", 42));
    EXPECT_TRUE(intOk("+7", 7));
    EXPECT_TRUE(intOk("-5", -5));
    EXPECT_TRUE(intOk("2147483647", 2147483647));
    EXPECT_TRUE(intOk("-2147483648", INT32_MIN));
    for (const char* bad : {"", " ", "-", "2147483648", "-2147483649", "12 ", "1.0", "1,000", "0x10", "abc"})
        EXPECT_TRUE(intFails(bad)) << bad;
}

TEST(Numbers, DecimalsTakeAPointOrACommaWhateverTheLocale) {
    EXPECT_TRUE(floatOk("12.", 12));
    EXPECT_TRUE(floatOk(" 9999.99 ", 9999.99));
    EXPECT_TRUE(floatOk("-.5", -0.5));
    EXPECT_TRUE(floatOk("1e3", 1000));
    EXPECT_TRUE(floatOk("2.5E-1", 0.25));
    EXPECT_TRUE(floatOk("+2.5", 2.5));
    EXPECT_TRUE(floatOk("1e-400", 0)); // below the smallest double: zero, not a failure
    EXPECT_TRUE(floatOk("12,5", 12.5));
    EXPECT_TRUE(floatOk("1,000", 1)); // no grouping: a comma is a decimal separator
    for (const char* bad : {"", "-", ".", ",", "1e", "inf", "nan", "1.2.3", "1,2.3", "1.000,5", "1e3x",
                            "1e400", "+-1", "1 000"})
        EXPECT_TRUE(floatFails(bad)) << bad;
    EXPECT_EQ(regionalDecimalText(QStringLiteral("2,49")), QStringLiteral("2.49"));
    EXPECT_EQ(regionalDecimalText(QStringLiteral("CLERK,1")), QStringLiteral("CLERK,1")) << "no number";
}

// Also run under each real comma locale (LC_ALL): what an operator of a comma desktop types.
TEST(Numbers, CommaLocaleTakesAPointAsWellAndShowsTheComma) {
    LocaleGuard comma{QLocale(QLocale::German)};
    EXPECT_TRUE(floatOk("12,5", 12.5));
    EXPECT_TRUE(floatOk("2.49", 2.49));
    EXPECT_TRUE(floatOk("7.5", 7.5));
    EXPECT_TRUE(floatOk("1.000,5", 1000.5)); // grouped the German way
    EXPECT_TRUE(floatFails("7,5."));
    EXPECT_EQ(regionalDecimalText(QStringLiteral("2.49")), QStringLiteral("2,49"));
    EXPECT_EQ(regionalDecimalText(QStringLiteral("12.")), QStringLiteral("12,"));
    EXPECT_EQ(regionalDecimalText(QStringLiteral("7")), QStringLiteral("7"));
    EXPECT_EQ(formatFixed(-0.05, 2, 3), QStringLiteral("-0,05"));
}

// A grouped price is read by the desktop's rule or refused, never cut at its first mark; a point or
// a comma alone stays a decimal mark everywhere.
TEST(Numbers, GroupedDecimalsFollowTheRegionalRuleOrAreRefused) {
    const QString nbsp(QChar(0x00A0));
    const double refused = std::nan("");
    struct Case {
        QLocale locale;
        QString text;
        double expected;
    };
    const QLocale czech(QLocale::Czech, QLocale::Czechia), german(QLocale::German, QLocale::Germany),
        polish(QLocale::Polish, QLocale::Poland), hungarian(QLocale::Hungarian, QLocale::Hungary),
        c = QLocale::c();
    const std::vector<Case> cases = {
        {german, "1.299,00", 1299},
        {german, "12.345.678,5", 12345678.5},
        {german, "1.299,", 1299},
        {german, "2.49", 2.49},
        {german, "2,49", 2.49},
        {german, "1 299,00", refused},
        {german, "1,299.00", refused},
        {german, "1.29,00", refused},
        {german, "1299.000,5", refused},
        {czech, "1 299,00", 1299},
        {czech, "1" + nbsp + "299,00", 1299},
        {czech, "-1 299", -1299},
        {czech, "1.299,00", refused},
        {czech, "1 29,00", refused},
        {czech, "2.49", 2.49},
        {polish, "12 345,67", 12345.67},
        {polish, "1.299,00", refused},
        {hungarian, "1 299,5", 1299.5},
        {hungarian, "1,299.00", refused},
        {c, "1,299.00", 1299},
        {c, "1.299,00", refused},
        {c, "1 299.00", refused},
        {c, "1,000", 1},
        {c, "1,2.3", refused},
    };
    for (const Case& test : cases) {
        LocaleGuard guard(test.locale);
        double value = -777;
        int error = 0;
        tryParseFloat(test.text, value, error);
        const QString where = test.locale.name() + QStringLiteral(" \"") + test.text + QStringLiteral("\"");
        if (std::isnan(test.expected)) {
            EXPECT_EQ(error, 1) << where.toStdString();
            EXPECT_FALSE(decimalTextAtMost(test.text, 1e9)) << where.toStdString();
        } else {
            EXPECT_EQ(error, 0) << where.toStdString();
            EXPECT_DOUBLE_EQ(value, test.expected) << where.toStdString();
        }
    }
    // While a Czech price is typed, its unfinished last group is let through, within the limit, and
    // the number is shown without its groups once the edit ends.
    LocaleGuard guard(czech);
    EXPECT_TRUE(decimalTextAtMost(QStringLiteral("1 2"), 9999.99));
    EXPECT_FALSE(decimalTextAtMost(QStringLiteral("99 9"), 9999.99));
    EXPECT_FALSE(decimalTextAtMost(QStringLiteral("1 2,5"), 9999.99));
    EXPECT_EQ(regionalDecimalText(QStringLiteral("1 299.5")), QStringLiteral("1 299.5")) << "refused: kept";
    EXPECT_EQ(regionalDecimalText(QStringLiteral("1 299,50")), QStringLiteral("1299,50"));
}

TEST(Numbers, ConversionErrorsCarryTheStandardMessages) {
    try {
        strToInt(QStringLiteral("abc"));
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'abc' is not a valid integer value"));
    }
    try {
        strToFloat(QString());
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'' is not a valid floating point value"));
    }
}

TEST(Numbers, FormattingAndRounding) {
    EXPECT_EQ(formatFixed(0.53, 2, 3), QStringLiteral("0.53"));
    EXPECT_EQ(formatFixed(1.5, 3, 4), QStringLiteral("1.500"));
    EXPECT_EQ(formatFixed(5, 0, 3), QStringLiteral("  5"));
    EXPECT_EQ(roundHalfEven(0.53 * 100), 53);
    EXPECT_EQ(roundHalfEven(12.5), 12);
    EXPECT_EQ(roundHalfEven(37.5), 38);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
}

TEST(DateTimeText, DurationsAreMinutesAndSeconds) {
    EXPECT_EQ(minutesSeconds(141'000), QStringLiteral("2:21"));
    EXPECT_EQ(minutesSeconds(59'999), QStringLiteral("0:59"));
    EXPECT_EQ(minutesSeconds(3'600'000), QStringLiteral("60:00"));
    EXPECT_EQ(minutesSeconds(-5), QStringLiteral("0:00"));
}

// Where a date field stands past a separator, the same separator typed again is part of the date.
TEST(DateTimeText, SeparatorAlreadyBeforeTheFieldIsTypedAgain) {
    struct Case {
        const char* name;
        const char* text;
        int position;
        char typed;
        bool already;
    };
    for (const Case& c : {
             Case{"dot after a full day", "08.12.2026", 3, '.', true},
             Case{"dot within the day", "08.12.2026", 2, '.', false},
             Case{"dot at the start", "08.12.2026", 0, '.', false},
             Case{"dot and blank before the month", "2026. 12. 08.", 6, '.', true},
             Case{"blank of the same run", "2026. 12. 08.", 6, ' ', true},
             Case{"another separator", "12/8/2026", 3, '.', false},
             Case{"digit", "08.12.2026", 3, '1', false},
             Case{"past the end", "08.12.2026", 40, '.', false},
         })
        EXPECT_EQ(separatorAlreadyBefore(QString::fromLatin1(c.text), c.position, QLatin1Char(c.typed)),
                  c.already)
            << c.name;
}

TEST(DateTimeText, DayAndMonthWithoutTheYearInEveryRegionalFormat) {
    for (const auto& [locale, expected] :
         std::initializer_list<std::pair<const char*, const char*>>{{"en_US", "10/28"},
                                                                    {"cs_CZ", "28.10."},
                                                                    {"sk_SK", "28. 10."},
                                                                    {"pl_PL", "28.10."},
                                                                    {"hu_HU", "10. 28."},
                                                                    {"de_DE", "28.10."},
                                                                    {"sv_SE", "10-28"}}) {
        LocaleGuard regional{QLocale(QString::fromLatin1(locale))};
        EXPECT_EQ(QLocale().toString(QDate(2026, 10, 28), regionalDayMonthFormat()),
                  QString::fromUtf8(expected))
            << locale << ": " << regionalDayMonthFormat().toStdString();
    }
}

TEST(DateTimeText, LongTimeHasNoTimeZone) {
    LocaleGuard english(QLocale(QLocale::English, QLocale::UnitedStates));
    QString time = regionalLongTime(QTime(9, 5, 20));
    EXPECT_TRUE(time.startsWith(QStringLiteral("9:05:20"))) << time.toStdString();
    EXPECT_FALSE(time.contains(QStringLiteral("UTC")));
    EXPECT_EQ(time, time.trimmed());
    LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(regionalLongTime(QTime(9, 5, 20)), QStringLiteral("09:05:20"));
    EXPECT_EQ(regionalShortDate(QDate(2026, 12, 6)), QStringLiteral("06.12.26"));
}

TEST(CodePage, AllByteValuesRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(toCp1250(fromCp1250(all)), all);
    EXPECT_EQ(fromCp1250("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(fromCp1250("\xE4"), QStringLiteral("ä"));
    EXPECT_EQ(toCp1250(QStringLiteral("Ž")), "\x8E");
}

// The table against ICU's converter of the same code page (Linux's Qt has it; the Windows build has
// not, which is why the program carries the table): every byte, and characters it lacks.
TEST(CodePage, MatchesIcuForEveryByte) {
    QStringDecoder decode("windows-1250", QStringDecoder::Flag::Stateless);
    ASSERT_TRUE(decode.isValid());
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        EXPECT_EQ(fromCp1250(std::string(1, byte)), QString(decode(QByteArrayView(&byte, 1))))
            << "byte " << b;
    }
    QStringEncoder encode("windows-1250", QStringEncoder::Flag::Stateless);
    for (const QString& lacking : {QStringLiteral("中"), QStringLiteral("ä€ß"), QStringLiteral("Ÿ"),
                                   QString::fromUcs4(U"\U0001F600x")}) {
        const QByteArray icu = encode(lacking);
        EXPECT_EQ(toCp1250(lacking), std::string(icu.constData(), size_t(icu.size())))
            << lacking.toStdString();
    }
}

} // namespace
