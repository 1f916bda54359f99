// The 80-line settings file: the bytes written, the reading rules (numbers skip blanks and line
// ends, a missing line reads as 0 or empty, a bad number stops the load), and a save that fails
// before it touches an earlier file.
#include "settings/SettingsFile.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "tests/support/NullDevice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testcases::PrintTo;

Settings defaults() {
    Settings s;
    applyFactoryDefaults(s);
    s.taxes.fill(QStringLiteral("0.00"));
    return s;
}

QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    EXPECT_TRUE(lines.last().isEmpty());
    lines.removeLast();
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

// A file of 80 lines, with line n (1-based) replaced.
QByteArray fileWithLine(int n, const QByteArray& text) {
    QList<QByteArray> lines = linesOf(*settingsFileBytes(defaults()));
    lines[n - 1] = text;
    return lines.join("\r\n") + "\r\n";
}

TEST(SettingsFileWrite, DefaultsGiveTheFactoryLines) {
    std::optional<QByteArray> bytes = settingsFileBytes(defaults());
    ASSERT_TRUE(bytes);
    QList<QByteArray> lines = linesOf(*bytes);
    ASSERT_EQ(lines.size(), kSettingsFileLines);
    EXPECT_EQ(lines[0], "0");
    EXPECT_EQ(lines.mid(1, 8).join(','), "1,0,1,1,1,0,1,1");
    EXPECT_EQ(lines[11], "115200");
    EXPECT_EQ(lines[15], "50");
    EXPECT_EQ(lines[17], "Z\xB3 "); // code page 1250
    EXPECT_EQ(lines[18], "0");
    EXPECT_EQ(lines[19], "1");
    EXPECT_EQ(lines[24], "~7HEADER MESSAGE");
    EXPECT_EQ(lines[31], "12345678901234567890123456789012");
    EXPECT_EQ(lines[32], "GROUP 0");
    EXPECT_EQ(lines[71], "GROUP 39");
    EXPECT_EQ(lines[72], "0");
}

TEST(SettingsFileWrite, EachPrintOptionHasItsOwnLineAndTextsAreWrittenWhole) {
    Settings s = defaults();
    s.printFlags = PrintDiscount;
    s.clerkMode = -1;
    s.currency = QStringLiteral("EUR");
    s.departments[5] = QString(40, QChar('D'));
    s.taxes[0] = QStringLiteral("7.5");
    s.taxes[1] = QStringLiteral("0.125");
    s.taxes[2] = QStringLiteral("-5");
    QList<QByteArray> lines = linesOf(*settingsFileBytes(s));
    EXPECT_EQ(lines[0], "-1");
    EXPECT_EQ(lines.mid(1, 8).join(','), "0,0,0,0,0,0,1,0");
    EXPECT_EQ(lines[17], "EUR");
    EXPECT_EQ(lines[37], QByteArray(40, 'D'));
    EXPECT_EQ(lines.mid(72, 3).join(','), "750,12,-500");
}

TEST(SettingsFileRoundTrip, ReadsBackWhatWasWrittenInEitherNotation) {
    Settings s = defaults();
    s.clerkMode = 2;
    s.departments[39] = QString(40, QChar('x'));
    s.taxes[0] = QStringLiteral("7.5");
    s.rate = QStringLiteral("4.00");
    s.departments[3] = QStringLiteral("A\rB"); // line breaks inside a text are saved as blanks
    s.clerks[1] = QStringLiteral("C\nD");
    QByteArray bytes = *settingsFileBytes(s);
    s.departments[3] = QStringLiteral("A B");
    s.clerks[1] = QStringLiteral("C D");

    Settings read;
    read.rate = QStringLiteral("1.23");
    ASSERT_EQ(readSettingsBytes(bytes, read), SettingsFileLoad::Loaded);
    EXPECT_EQ(read.rate, "1.23"); // not in the file
    EXPECT_EQ(read.taxes[0], "7.5");
    EXPECT_EQ(read.taxes[1], "0");
    read.rate = s.rate;
    read.taxes = s.taxes;
    EXPECT_EQ(read, s);

    LocaleGuard comma(QLocale(QLocale::German, QLocale::Germany));
    Settings inGerman;
    ASSERT_EQ(readSettingsBytes(bytes, inGerman), SettingsFileLoad::Loaded);
    EXPECT_EQ(inGerman.taxes[0], "7,5");
    EXPECT_EQ(settingsFileBytes(inGerman)->split('\n')[72], "750\r");
}

// A settings file is 80 lines; a file cut short would read its missing numbers as 0 and its missing
// texts as empty, so any other count is refused whole, naming the count. An editor's final line end
// (missing, or one more empty line) changes nothing.
struct LineCountCase {
    const char* name;
    QByteArray bytes;
    int lines; // 80: read
};

class SettingsFileLength : public ::testing::TestWithParam<LineCountCase> {};

TEST_P(SettingsFileLength, OnlyEightyLinesAreRead) {
    Settings s = defaults();
    s.departments[0] = QStringLiteral("old");
    SettingsFilePlace place{0, {}};
    const SettingsFileLoad outcome = readSettingsBytes(GetParam().bytes, s, &place);
    EXPECT_EQ(settingsFileLineCount(GetParam().bytes), GetParam().lines);
    if (GetParam().lines == kSettingsFileLines) {
        EXPECT_EQ(outcome, SettingsFileLoad::Loaded);
        EXPECT_EQ(s.departments[0], "GROUP 0");
    } else {
        EXPECT_EQ(outcome, SettingsFileLoad::WrongLineCount);
        EXPECT_EQ(place.line, GetParam().lines);
        EXPECT_EQ(s.departments[0], "old");
    }
}

const QByteArray kFull = fileWithLine(33, "GROUP 0");
const QList<QByteArray> kLines = kFull.split('\n');

INSTANTIATE_TEST_SUITE_P(
    Counts, SettingsFileLength,
    ::testing::Values(LineCountCase{"Whole", kFull, 80},
                      LineCountCase{"WithoutTheLastLineEnd", kFull.chopped(2), 80},
                      LineCountCase{"WithAnEmptyLineAfter", kFull + "\r\n", 80},
                      LineCountCase{"Empty", QByteArray(), 0},
                      LineCountCase{"FirstFortyLines", kLines.mid(0, 40).join('\n') + '\n', 40},
                      LineCountCase{"LastLineMissing", kLines.mid(0, 79).join('\n') + '\n', 79},
                      LineCountCase{"OneLineTooMany", kFull + "7\r\n", 81},
                      LineCountCase{"LineFeedsOnly", QByteArray(kFull).replace("\r", ""), 1}),
    testcases::caseName);

struct BadLineCase {
    const char* name;
    int line;
    QByteArray text;
    SettingsFileLoad outcome;
};

class SettingsFileLine : public ::testing::TestWithParam<BadLineCase> {};

TEST_P(SettingsFileLine, NumberLinesAreReadAsTheSystemReadsIntegers) {
    Settings s;
    s.departments[0] = QStringLiteral("old");
    SettingsFilePlace place{0, {}};
    SettingsFileLoad outcome = readSettingsBytes(fileWithLine(GetParam().line, GetParam().text), s, &place);
    EXPECT_EQ(outcome, GetParam().outcome);
    if (outcome == SettingsFileLoad::BadNumber) {
        EXPECT_EQ(s.baudRate, "115200"); // line 12, before the failure
        EXPECT_EQ(s.departments[0], "old");
        // Where it stopped, for scalectl's message; a control character starts an empty run.
        EXPECT_EQ(place.line, GetParam().line);
        EXPECT_EQ(place.text.toLatin1(), GetParam().text.startsWith('\f') ? QByteArray() : GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsFileLine,
    ::testing::Values(BadLineCase{"LetterAtLine13", 13, "abc", SettingsFileLoad::BadNumber},
                      BadLineCase{"DecimalAtLine14", 14, "1.5", SettingsFileLoad::BadNumber},
                      BadLineCase{"TrailingTextSkipped", 14, "7 minutes", SettingsFileLoad::Loaded},
                      BadLineCase{"LeadingBlanksSkipped", 15, " \t+9", SettingsFileLoad::Loaded},
                      BadLineCase{"OverflowAtLine16", 16, "99999999999", SettingsFileLoad::BadNumber},
                      BadLineCase{"ControlCharacterAtLine13", 13, "\f5", SettingsFileLoad::BadNumber}),
    testcases::caseName);

TEST(SettingsFileRead, ValuesArePulledIntoTheControlsRanges) {
    Settings s;
    ASSERT_EQ(readSettingsBytes(fileWithLine(14, "999"), s), SettingsFileLoad::Loaded);
    EXPECT_EQ(s.autoOffMinutes, 240);
    ASSERT_EQ(readSettingsBytes(fileWithLine(1, "5"), s), SettingsFileLoad::Loaded);
    EXPECT_EQ(s.clerkMode, -1);
    ASSERT_EQ(readSettingsBytes(fileWithLine(16, "-3"), s), SettingsFileLoad::Loaded);
    EXPECT_EQ(s.drawerTime, 1);
}

TEST(SettingsFileRead, AnEmptyNumberLineShiftsEveryLineAfterIt) {
    // Line 13 empty: the LAN number comes from line 14, and every later line shifts by one, until
    // the "Print Tax" number meets the first clerk's name.
    QByteArray bytes = fileWithLine(13, "");
    Settings s;
    ASSERT_EQ(readSettingsBytes(bytes, s), SettingsFileLoad::BadNumber);
    EXPECT_EQ(s.lanNumber, 0);
    EXPECT_EQ(s.autoOffMinutes, 0);
    EXPECT_EQ(s.discountPercent, 50);
    EXPECT_EQ(s.drawerTime, 3); // the darkness line
    EXPECT_EQ(s.darkness, QString::fromUtf8("Z\xC5\x82 "));
    EXPECT_EQ(s.currency, "0");
    EXPECT_TRUE(s.printAllReports);
    EXPECT_TRUE(s.clerks[0].isEmpty());
}

TEST(SettingsFileRead, ALineEndsAtCarriageReturnAndOneLineFeedGoesWithIt) {
    QByteArray bytes = fileWithLine(10, "a\nb");
    bytes.replace("a44W5P5\r\n", "a44W5P5\r");
    Settings s;
    ASSERT_EQ(readSettingsBytes(bytes, s), SettingsFileLoad::Loaded);
    EXPECT_EQ(s.singleBarcode, "a\nb");
    EXPECT_EQ(s.totalBarcode, "a44W5P5");
    EXPECT_EQ(s.baudRate, "115200");
}

TEST(SettingsFileSave, RefusesABadTaxRateBeforeTouchingTheEarlierFile) {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("settings.TXT"));
    Settings s = defaults();
    ASSERT_TRUE(saveSettingsFile(path, s));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    QByteArray before = written.readAll();
    written.close();
    EXPECT_EQ(before, *settingsFileBytes(s));

    s.taxes[7].clear();
    s.departments[0] = QStringLiteral("changed");
    EXPECT_FALSE(settingsFileBytes(s));
    EXPECT_FALSE(saveSettingsFile(path, s));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), before);

    EXPECT_FALSE(saveSettingsFile(folder.filePath(QStringLiteral("missing/settings.TXT")), defaults()));
    Settings untouched;
    EXPECT_EQ(loadSettingsFile(folder.filePath(QStringLiteral("missing.TXT")), untouched),
              SettingsFileLoad::IoError);
    EXPECT_EQ(untouched, Settings{});

    EXPECT_NULL_DEVICE_WRITTEN_AS_IT_IS(folder.path().toStdString(), [](const std::string& device) {
        return saveSettingsFile(QString::fromStdString(device), defaults());
    });
}

} // namespace
