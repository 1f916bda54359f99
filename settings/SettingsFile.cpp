#include "settings/SettingsFile.h"

#include "settings/SettingsTransfer.h"
#include "text/BoundedRead.h"
#include "text/CodePage.h"
#include "text/Numbers.h"
#include "text/OutputFile.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace {

constexpr int kNumberRunLimit = 32;

// The print options in file order (lines 2 to 9).
constexpr std::array<uint8_t, 8> kFlagLines = {PrintReceipt,   PrintDuplicate, PrintGraphicLogo,
                                               PrintSingleBar, PrintTotalBar,  ObligatoryPaid,
                                               PrintDiscount,  PrintPluCode};

class FileWriter {
public:
    void number(int64_t value) { line(QByteArray::number(value)); }
    void flag(bool on) { number(on ? 1 : 0); }
    void text(const QString& value) {
        std::string bytes = toCp1250Line(value);
        line(QByteArray(bytes.data(), qsizetype(bytes.size())));
    }
    QByteArray bytes;

private:
    void line(const QByteArray& value) {
        bytes += value;
        bytes += "\r\n";
    }
};

// A text file read value by value, with the rules of the system's standard text input.
class FileReader {
public:
    explicit FileReader(const QByteArray& bytes) : data(bytes) {}

    // False when the number line holds no whole number; at the end of the file the number is 0.
    bool number(int& value) {
        while (at < data.size() && isSkipped(data[at]))
            ++at;
        if (at == data.size()) {
            value = 0;
            return true;
        }
        // A control character other than a blank, tab or line end starts an empty run, which is
        // no number either.
        qsizetype start = at;
        while (at < data.size() && at - start < kNumberRunLimit && uint8_t(data[at]) > ' ')
            ++at;
        int32_t parsed = 0;
        int error = 0;
        tryParseInt(QString::fromLatin1(data.mid(start, at - start)), parsed, error);
        if (error != 0) {
            failedAt = start;
            failedRun = data.mid(start, at - start);
            return false;
        }
        value = parsed;
        skipLine();
        return true;
    }
    bool flag(bool& on) {
        int value = 0;
        if (!number(value))
            return false;
        on = value != 0;
        return true;
    }
    QString text() {
        qsizetype start = at;
        while (at < data.size() && data[at] != '\r')
            ++at;
        QByteArray bytes = data.mid(start, at - start);
        skipLine();
        return fromCp1250(bytes.toStdString());
    }

    // Where the last number that failed stands: its line (from 1; CR LF, LF and a lone CR each end
    // a line) and the run of characters read as it.
    SettingsFilePlace failedPlace() const {
        SettingsFilePlace place{1, fromCp1250(failedRun.toStdString())};
        for (qsizetype i = 0; i < failedAt; ++i)
            if (data[i] == '\n' || (data[i] == '\r' && (i + 1 >= data.size() || data[i + 1] != '\n')))
                ++place.line;
        return place;
    }

private:
    static bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    // Past the end of the current line: its CR and one LF after it.
    void skipLine() {
        while (at < data.size() && data[at] != '\r')
            ++at;
        if (at < data.size())
            ++at;
        if (at < data.size() && data[at] == '\n')
            ++at;
    }
    const QByteArray& data;
    qsizetype at = 0;
    qsizetype failedAt = 0;
    QByteArray failedRun;
};

} // namespace

std::optional<QByteArray> settingsFileBytes(const Settings& s) {
    std::array<int64_t, kTaxRateCount> taxes{};
    try {
        for (int t = 0; t < kTaxRateCount; ++t)
            taxes[size_t(t)] = hundredthsOf(s.taxes[size_t(t)]);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
    FileWriter w;
    w.number(s.clerkMode);
    for (uint8_t mask : kFlagLines)
        w.flag((s.printFlags & mask) != 0);
    w.text(s.singleBarcode);
    w.text(s.totalBarcode);
    w.text(s.baudRate);
    w.number(s.lanNumber);
    w.number(s.autoOffMinutes);
    w.number(s.discountPercent);
    w.number(s.drawerTime);
    w.text(s.darkness);
    w.text(s.currency);
    w.flag(s.printAllReports);
    w.flag(s.printTax);
    for (const QString& clerk : s.clerks)
        w.text(clerk);
    for (const QString& line : s.receiptLines)
        w.text(line);
    for (const QString& department : s.departments)
        w.text(department);
    for (int64_t tax : taxes)
        w.number(tax);
    return w.bytes;
}

bool saveSettingsFile(const QString& path, const Settings& settings) {
    std::optional<QByteArray> bytes = settingsFileBytes(settings);
    if (!bytes)
        return false;
    return writeOutputFile(path, *bytes).isEmpty();
}

namespace {
SettingsFileLoad readSettings(FileReader& r, Settings& s) {
    int value = 0;
    if (!r.number(value))
        return SettingsFileLoad::BadNumber;
    s.clerkMode = clerkModeIndex(value);
    for (uint8_t mask : kFlagLines) {
        bool on = false;
        if (!r.flag(on))
            return SettingsFileLoad::BadNumber;
        s.printFlags = static_cast<uint8_t>(on ? s.printFlags | mask : s.printFlags & ~mask);
    }
    s.singleBarcode = r.text();
    s.totalBarcode = r.text();
    s.baudRate = r.text();
    for (auto [field, range] :
         {std::pair{&s.lanNumber, kLanRange}, std::pair{&s.autoOffMinutes, kAutoOffRange},
          std::pair{&s.discountPercent, kDiscountRange}, std::pair{&s.drawerTime, kDrawerRange}}) {
        if (!r.number(value))
            return SettingsFileLoad::BadNumber;
        *field = range.pull(value);
    }
    s.darkness = r.text();
    s.currency = r.text();
    if (!r.flag(s.printAllReports) || !r.flag(s.printTax))
        return SettingsFileLoad::BadNumber;
    for (QString& clerk : s.clerks)
        clerk = r.text();
    for (QString& line : s.receiptLines)
        line = r.text();
    for (QString& department : s.departments)
        department = r.text();
    for (QString& tax : s.taxes) {
        if (!r.number(value))
            return SettingsFileLoad::BadNumber;
        tax = decimalFromHundredths(value);
    }
    return SettingsFileLoad::Loaded;
}
} // namespace

int settingsFileLineCount(const QByteArray& bytes) {
    // A line ends at a CR, as the reader ends a text line (an LF after it goes with it; an LF alone
    // ends no text line, so a file with LF line ends is one long line and is refused). Blank lines
    // and blanks at the very end are an editor's, not lines of the file.
    qsizetype end = bytes.size();
    while (end > 0 && (bytes[end - 1] == '\r' || bytes[end - 1] == '\n' || bytes[end - 1] == ' ' ||
                       bytes[end - 1] == '\t'))
        --end;
    if (end == 0)
        return 0;
    return int(std::count(bytes.begin(), bytes.begin() + end, '\r')) + 1;
}

SettingsFileLoad readSettingsBytes(const QByteArray& bytes, Settings& s, SettingsFilePlace* badPlace) {
    const int lines = settingsFileLineCount(bytes);
    if (lines != kSettingsFileLines) {
        if (badPlace)
            *badPlace = {lines, QString()};
        return SettingsFileLoad::WrongLineCount;
    }
    FileReader r(bytes);
    SettingsFileLoad outcome = readSettings(r, s);
    if (outcome == SettingsFileLoad::BadNumber && badPlace)
        *badPlace = r.failedPlace();
    return outcome;
}

QString settingsFileLineName(int line) {
    static const char* const leading[] = {"clerk mode",
                                          "Print Receipt",
                                          "Print Duplicate",
                                          "Print Graphic Logo",
                                          "Print Single BAR",
                                          "Print Total BAR",
                                          "Obligatory Paid",
                                          "Discount",
                                          "Print PLU Code",
                                          "single-item barcode format",
                                          "total barcode format",
                                          "scale baud rate",
                                          "LAN number",
                                          "auto-off time",
                                          "discount",
                                          "drawer-open time",
                                          "printer darkness",
                                          "currency",
                                          "Print All Reports",
                                          "Print Tax"};
    if (line >= 1 && line <= 20)
        return QString::fromLatin1(leading[line - 1]);
    if (line >= 21 && line <= 24)
        return QStringLiteral("clerk name %1").arg(line - 20);
    if (line >= 25 && line <= 30)
        return QStringLiteral("header line %1").arg(line - 24);
    if (line >= 31 && line <= 32)
        return QStringLiteral("footer line %1").arg(line - 30);
    if (line >= 33 && line <= 72)
        return QStringLiteral("department %1").arg(line - 33);
    if (line >= 73 && line <= kSettingsFileLines)
        return QStringLiteral("tax rate %1").arg(QChar(u'A' + (line - 73)));
    return QString();
}

QString wrongLineCountMessage(int lines) {
    // In the window's language (scalectl loads no translation, so it prints the English).
    // The count has its plural forms: "1 line" and "5 lines" differ in every translated language.
    return QCoreApplication::translate(
               "SettingsFile", "error in input file: %n lines, a settings file has %1", nullptr, lines)
        .arg(kSettingsFileLines);
}

SettingsFileLoad loadSettingsFile(const QString& path, Settings& settings, SettingsFilePlace* badPlace) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SettingsFileLoad::IoError;
    // A file too large to be a settings file is refused like one that cannot be read: nothing of it
    // is taken.
    std::optional<QByteArray> bytes = readWholeBounded(file);
    if (!bytes || file.error() != QFileDevice::NoError)
        return SettingsFileLoad::IoError;
    return readSettingsBytes(*bytes, settings, badPlace);
}
