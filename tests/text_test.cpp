// The shared text conversions: numbers in the regional settings, dates and times, the code page.
#include "tests/support/LocaleGuard.h"
#include "tests/support/SpecialFiles.h"
#include "text/CodePage.h"
#include "text/DateTimeText.h"
#include "text/Numbers.h"
#include "text/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <cmath>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sstream>
#include <sys/wait.h>
#include <sys/xattr.h>
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

class OutputFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
    static QString write(const std::string& path, const QByteArray& bytes) {
        return writeOutputFile(QString::fromStdString(path), bytes);
    }
    static QByteArray contents(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    // What the folder holds besides the names given: a temporary file left behind shows here.
    QStringList others(const QStringList& known) const {
        QStringList names =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : known)
            names.removeAll(name);
        return names;
    }
};

// A rename over a device would make it a regular file for every program of the machine.
TEST_F(OutputFile, DevicesAndPipesAreWrittenAsTheyAre) {
    const std::string null = path("null");
    MAKE_NULL_DEVICE_OR_SKIP(null);
    EXPECT_EQ(write(null, "PLU\r\n"), QString());
    EXPECT_EQ(specialfiles::kindOf(null), 'c');

    const std::string link = path("quiet");
    ASSERT_EQ(symlink(null.c_str(), link.c_str()), 0);
    EXPECT_EQ(write(link, "PLU\r\n"), QString());
    EXPECT_EQ(specialfiles::kindOf(link), 'l');
    EXPECT_EQ(specialfiles::kindOf(null), 'c');

    const std::string fifo = path("fifo");
    specialfiles::PipeReader reader(fifo);
    ASSERT_TRUE(reader.ready());
    const QByteArray big(200000, 'x'); // more than a pipe holds: the reader must take it as it comes
    EXPECT_EQ(write(fifo, big), QString());
    EXPECT_EQ(reader.bytes().size(), size_t(big.size()));
    EXPECT_EQ(specialfiles::kindOf(fifo), 'p');

    // A socket cannot be opened as a file: the write fails and the socket stays.
    const std::string socketPath = path("socket");
    const int socket = specialfiles::bindSocket(socketPath);
    ASSERT_GE(socket, 0);
    const QString failure = write(socketPath, "x");
    close(socket);
    EXPECT_TRUE(failure.startsWith(QString::fromStdString(socketPath) + QStringLiteral(": ")))
        << failure.toStdString();
    EXPECT_EQ(specialfiles::kindOf(socketPath), 's');
    EXPECT_EQ(others({"null", "quiet", "fifo", "socket"}), QStringList());
}

TEST_F(OutputFile, ARegularFileIsReplacedWholeAndASymlinkStaysOne) {
    const std::string file = path("PLU.TXT");
    ASSERT_EQ(write(file, "first"), QString());
    // A reader that has the earlier file open keeps reading the earlier file: the new one took its
    // name, it was not written into it.
    QFile earlier(QString::fromStdString(file));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(write(file, "second"), QString());
    EXPECT_EQ(earlier.readAll(), QByteArray("first"));
    EXPECT_EQ(contents(file), QByteArray("second"));

    QTemporaryDir elsewhere;
    const std::string target = elsewhere.filePath(QStringLiteral("target.TXT")).toStdString();
    ASSERT_EQ(write(target, "old"), QString());
    const std::string link = path("link.TXT");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    EXPECT_EQ(write(link, "new"), QString());
    EXPECT_EQ(specialfiles::kindOf(link), 'l');
    EXPECT_EQ(contents(target), QByteArray("new"));
    // Also a link to a file that does not exist yet.
    const std::string fresh = elsewhere.filePath(QStringLiteral("fresh.TXT")).toStdString();
    ASSERT_EQ(symlink(fresh.c_str(), path("fresh.TXT").c_str()), 0);
    EXPECT_EQ(write(path("fresh.TXT"), "fresh"), QString());
    EXPECT_EQ(specialfiles::kindOf(path("fresh.TXT")), 'l');
    EXPECT_EQ(contents(fresh), QByteArray("fresh"));
    EXPECT_EQ(others({"PLU.TXT", "link.TXT", "fresh.TXT"}), QStringList()) << "a temporary file was left";
}

TEST_F(OutputFile, AFolderOrAMissingFolderIsRefusedNamingThePath) {
    const std::string folder = path("folder");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder)));
    EXPECT_EQ(write(folder, "x"), QString::fromStdString(folder) + QStringLiteral(": is a folder"));
    EXPECT_TRUE(QDir(QString::fromStdString(folder)).isEmpty());

    const std::string missing = path("missing/PLU.TXT");
    EXPECT_EQ(write(missing, "x"),
              QString::fromStdString(missing + ": the folder " + path("missing") + " does not exist"));
    EXPECT_EQ(others({"folder"}), QStringList());

    // "-" is the given standard output, never a file of that name.
    std::ostringstream out;
    EXPECT_EQ(writeOutputFile(QStringLiteral("-"), "text", out), QString());
    EXPECT_EQ(out.str(), "text");
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("-")));
    std::ostringstream closed;
    closed.setstate(std::ios::badbit);
    EXPECT_EQ(writeOutputFile(QStringLiteral("-"), "text", closed),
              QStringLiteral("standard output: the write failed"));
}

// What stat says of path: owner, group, mode, links and the file's number (a rename gives a new one).
struct stat statOf(const std::string& path) {
    struct stat s {};
    EXPECT_EQ(stat(path.c_str(), &s), 0) << path;
    return s;
}

// A file shared with others stays the same file: its other names, its owner and group, its mode and
// its attributes. As root (as in CI) the owner is another user's; as any user, hard links and
// attributes.
TEST_F(OutputFile, ASharedFileIsWrittenInPlaceKeepingWhatMakesItShared) {
    const std::string file = path("PLU.TXT");
    const std::string other = path("PLU-link.TXT");
    ASSERT_EQ(write(file, "one"), QString());
    ASSERT_EQ(link(file.c_str(), other.c_str()), 0);
    EXPECT_EQ(write(file, "two"), QString());
    EXPECT_EQ(contents(other), QByteArray("two")) << "the hard link was split";
    EXPECT_EQ(statOf(file).st_ino, statOf(other).st_ino);

    const std::string marked = path("marked.TXT");
    ASSERT_EQ(write(marked, "one"), QString());
    if (setxattr(marked.c_str(), "user.shop", "42", 2, 0) == 0) {
        EXPECT_EQ(write(marked, "two"), QString());
        char value[8] = {};
        EXPECT_EQ(getxattr(marked.c_str(), "user.shop", value, sizeof value), 2) << "the attribute was lost";
        EXPECT_EQ(contents(marked), QByteArray("two"));
    }
    EXPECT_EQ(others({"PLU.TXT", "PLU-link.TXT", "marked.TXT"}), QStringList())
        << "a temporary file was left";

    if (geteuid() != 0)
        GTEST_SKIP() << "a file of another owner needs root to make";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const std::string shared = path("shared.TXT");
    ASSERT_EQ(write(shared, "one"), QString());
    ASSERT_EQ(chown(shared.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(chmod(shared.c_str(), 0640), 0);
    EXPECT_EQ(write(shared, "two"), QString());
    const struct stat after = statOf(shared);
    EXPECT_EQ(after.st_uid, nobody->pw_uid);
    EXPECT_EQ(after.st_gid, nobody->pw_gid);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(contents(shared), QByteArray("two"));
}

// The writes of a second user (nobody, as `runuser -u nobody` would run it, here a child process that
// became nobody, so that nobody needs no right to the test program) in a folder of root's (0755) that
// it may not write: a file it may write (0666) is written in place, the way a shell's `>` would; a
// file it may not write and a new file are refused, and nothing is left behind.
TEST_F(OutputFile, ASecondUserWritesAWritableFileInAFolderItMayNotWrite) {
    if (geteuid() != 0)
        GTEST_SKIP() << "a second user needs root to become";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    // The write in a child process that has become nobody: its exit status is 0 when it wrote.
    const auto writeAsNobody = [&](const std::string& file, const QByteArray& bytes) {
        const pid_t child = fork();
        if (child == 0) {
            const bool became =
                setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 && setuid(nobody->pw_uid) == 0;
            _exit(!became ? 2 : write(file, bytes).isEmpty() ? 0 : 1);
        }
        int status = -1;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    // Also nobody's own read-only file in nobody's own folder: refused, as a shell refuses it.
    const std::string own = path("own");
    ASSERT_EQ(mkdir(own.c_str(), 0755), 0);
    ASSERT_EQ(chown(own.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const struct {
        const char* name;
        mode_t mode; // 0: no file there before
        uid_t owner;
        gid_t group;
        int status;
        QByteArray after;
    } cases[] = {
        {"open.TXT", 0666, 0, 0, 0, "new"},
        {"closed.TXT", 0644, 0, 0, 1, "old"},
        {"new.TXT", 0, 0, 0, 1, "(unreadable)"},
        {"own/locked.TXT", 0444, nobody->pw_uid, nobody->pw_gid, 1, "old"},
    };
    for (const auto& c : cases) {
        const std::string file = path(c.name);
        if (c.mode != 0) {
            ASSERT_EQ(write(file, "old"), QString());
            ASSERT_EQ(chmod(file.c_str(), c.mode), 0);
            ASSERT_EQ(chown(file.c_str(), c.owner, c.group), 0);
        }
        EXPECT_EQ(writeAsNobody(file, "new"), c.status) << c.name;
        EXPECT_EQ(contents(file), c.after) << c.name;
        if (c.mode != 0) {
            EXPECT_EQ(statOf(file).st_uid, c.owner) << c.name;
        }
    }
    EXPECT_EQ(others({"open.TXT", "closed.TXT", "own"}), QStringList()) << "a temporary file was left";
    EXPECT_EQ(QDir(QString::fromStdString(own)).entryList(QDir::Files | QDir::Hidden),
              QStringList({"locked.TXT"}));
}

} // namespace
