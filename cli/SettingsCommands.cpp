#include "cli/SettingsCommands.h"

#include "cli/JsonOutput.h"

#include "settings/ClockTime.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransfer.h"
#include "text/Numbers.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <iostream>
#include <memory>

namespace {

int ioError(std::ostream& err, int code) {
    err << "I/O Error!\n";
    return code;
}

QJsonArray texts(const QString* first, size_t count, bool numbers) {
    QJsonArray array;
    for (size_t i = 0; i < count; ++i)
        array.append(numbers ? cellValue(first[i]) : QJsonValue(first[i]));
    return array;
}

// Every setting by name; numbers the record keeps as texts (rate, taxes) as numbers.
QJsonObject settingsObject(const Settings& s) {
    static const std::pair<const char*, PrintFlag> flagNames[] = {
        {"receipt", PrintReceipt},          {"duplicate", PrintDuplicate},
        {"graphic_logo", PrintGraphicLogo}, {"single_barcode", PrintSingleBar},
        {"total_barcode", PrintTotalBar},   {"obligatory_paid", ObligatoryPaid},
        {"discount", PrintDiscount},        {"plu_code", PrintPluCode},
    };
    QJsonObject print;
    for (const auto& [name, flag] : flagNames)
        print[QLatin1String(name)] = (s.printFlags & flag) != 0;
    return {
        {"clerk_mode", s.clerkMode},
        {"print", print},
        {"single_barcode_format", s.singleBarcode},
        {"total_barcode_format", s.totalBarcode},
        {"baud_rate", cellValue(s.baudRate)},
        {"lan_number", s.lanNumber},
        {"auto_off_minutes", s.autoOffMinutes},
        {"discount_percent", s.discountPercent},
        {"drawer_time", s.drawerTime},
        {"darkness", cellValue(s.darkness)},
        {"currency", s.currency},
        {"rate", cellValue(s.rate)},
        {"print_all_reports", s.printAllReports},
        {"print_tax", s.printTax},
        {"clerks", texts(s.clerks.data(), s.clerks.size(), false)},
        {"header", texts(s.receiptLines.data(), kHeaderLineCount, false)},
        {"footer", texts(s.receiptLines.data() + kHeaderLineCount, kFooterLineCount, false)},
        {"departments", texts(s.departments.data(), s.departments.size(), false)},
        {"taxes", texts(s.taxes.data(), s.taxes.size(), true)},
    };
}

int settingsPull(PortRun& run, const std::string& outPattern) {
    Settings settings;
    if (!loadSettings(reportingLine(run), settings))
        return kExitCommunication;
    run.result = settingsObject(settings);
    std::optional<QByteArray> bytes = settingsFileBytes(settings);
    if (!bytes)
        return ioError(run.err, kExitIoError);
    // Without -o the file goes to standard output, as with "-o -".
    return writeOutput(run, outPattern.empty() ? "-" : outputPath(outPattern, run.portName), *bytes);
}

int settingsPush(PortRun& run, Settings settings, bool rateGiven) {
    ScaleLine line = reportingLine(run);
    if (!rateGiven) {
        std::optional<int32_t> rate = readScaleRate(line);
        if (!rate)
            return kExitCommunication;
        settings.rate = decimalFromHundredths(*rate);
    }
    return sendSettings(line, settings) ? kExitOk : kExitCommunication;
}

// What a push of the file would change: the scale's settings are read and compared by name with the
// file's (the rate, not in the file, is the scale's own unless --rate gave one); one line per
// difference, "NAME<TAB>SCALE<TAB>FILE" with the values as JSON. With send, a scale that differs
// gets the file; without, a difference ends with kExitDiffers.
int settingsSync(PortRun& run, Settings wanted, bool rateGiven, bool send) {
    ScaleLine line = reportingLine(run);
    Settings held;
    if (!loadSettings(line, held))
        return kExitCommunication;
    if (!rateGiven)
        wanted.rate = held.rate;
    const QJsonObject have = settingsObject(held);
    const QJsonObject want = settingsObject(wanted);
    QJsonObject differences;
    for (auto it = want.begin(); it != want.end(); ++it) {
        if (have[it.key()] == it.value())
            continue;
        differences[it.key()] = QJsonObject{{"scale", have[it.key()]}, {"file", it.value()}};
        auto compact = [](const QJsonValue& value) {
            return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
        };
        run.out << it.key().toStdString() << '\t' << compact(have[it.key()]) << '\t' << compact(it.value())
                << '\n';
    }
    run.out.flush();
    run.result = {{"differences", differences}, {"sent", false}};
    if (differences.isEmpty())
        return kExitOk;
    if (!send)
        return kExitDiffers;
    if (!sendSettings(line, wanted))
        return kExitCommunication;
    run.result[QLatin1String("sent")] = true;
    return kExitOk;
}

// The file is read and every value converted before the port is touched: unlike the tab, a bad tax
// rate sends nothing at all.
// What a push or a diff of a settings file does with it.
enum class FileUse { Push, PushChanged, Diff };

ParseResult preparePush(const std::string& file, const std::optional<std::string>& rate, FileUse use) {
    auto settings = std::make_shared<Settings>();
    SettingsFilePlace bad{};
    switch (loadSettingsFile(QString::fromLocal8Bit(file), *settings, &bad)) {
    case SettingsFileLoad::Loaded:
        break;
    case SettingsFileLoad::BadNumber:
        std::cerr << "I/O Error! line " << bad.line << " (" << settingsFileLineName(bad.line).toStdString()
                  << "): '" << bad.text.toLocal8Bit().constData() << "' is not a whole number\n";
        return kExitBadInput;
    case SettingsFileLoad::WrongLineCount:
        std::cerr << wrongLineCountMessage(bad.line).toStdString() << " (" << file << ")\n";
        return kExitBadInput;
    case SettingsFileLoad::IoError:
        std::cerr << "I/O Error!\n(" << file << ": cannot be read)\n";
        return kExitIoError;
    }
    // Without --rate, a stand-in until the scale's own rate replaces it.
    settings->rate = rate ? QString::fromLocal8Bit(*rate) : QStringLiteral("0");
    try {
        FrameLink scratch;
        putSettingsRecord(scratch, *settings);
        putTaxTable(scratch, *settings);
    } catch (const ConversionError& e) {
        std::cerr << e.what() << '\n';
        return kExitBadInput;
    }
    bool rateGiven = rate.has_value();
    if (use != FileUse::Push)
        return Job{[settings, rateGiven, use](PortRun& run) {
                       return settingsSync(run, *settings, rateGiven, use == FileUse::PushChanged);
                   },
                   true,
                   {}};
    return Job{
        [settings, rateGiven](PortRun& run) { return settingsPush(run, *settings, rateGiven); }, true, {}};
}

// "dd-mm-yy hh:mm:ss" as the clock field shows it; a date or time that does not exist is refused.
std::optional<HeldTime> parseClockText(const std::string& text) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d\\d)-(\\d\\d)-(\\d\\d) (\\d\\d):(\\d\\d):(\\d\\d)$"));
    QRegularExpressionMatch match = form.match(QString::fromStdString(text));
    if (!match.hasMatch())
        return std::nullopt;
    auto field = [&match](int n) { return match.captured(n).toInt(); };
    QDate date(2000 + field(3), field(2), field(1));
    QTime time(field(4), field(5), field(6));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return heldTimeFrom(QDateTime(date, time));
}

} // namespace

QJsonObject clockResult(const HeldTime& time, const QDateTime& pcNow) {
    const std::array<uint8_t, 6> bytes = clockBytes(time);
    const QString iso = QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", time.year, time.month, time.day,
                                          time.hour, time.minute, time.second);
    const QDateTime scaleTime(QDate(time.year, time.month, time.day),
                              QTime(time.hour, time.minute, time.second));
    return {{"time", iso},
            {"bytes", hexText(bytes.data(), bytes.size())},
            {"difference", scaleTime.isValid() ? QJsonValue(pcNow.secsTo(scaleTime)) : QJsonValue()}};
}

ParseResult parseSettings(const std::vector<std::string>& args) {
    if (args.size() >= 2 && (args[0] == "push" || args[0] == "diff")) {
        std::optional<std::string> rate;
        FileUse use = args[0] == "diff" ? FileUse::Diff : FileUse::Push;
        const std::string verb = "settings " + args[0];
        for (size_t i = 2; i < args.size(); ++i) {
            if (args[i] == "--changed" && use == FileUse::Push) {
                use = FileUse::PushChanged;
                continue;
            }
            if (args[i] != "--rate" || rate)
                return unexpectedWord(verb, args, i);
            if (i + 1 >= args.size())
                return unexpectedWord(verb, args, i + 1);
            rate = args[++i];
            double value = 0;
            int error = 0;
            tryParseFloat(QString::fromLocal8Bit(*rate), value, error);
            if (error != 0)
                return badValue("--rate", *rate, "is not a number");
        }
        return preparePush(args[1], rate, use);
    }
    if (args.size() == 1 && args[0] == "pull")
        return Job{[](PortRun& run) { return settingsPull(run, {}); }, true, {}};
    if (args.size() == 3 && args[0] == "pull" && args[1] == "-o")
        return Job{[out = args[2]](PortRun& run) { return settingsPull(run, out); }, true, args[2]};
    if (args.empty() || (args[0] != "pull" && args[0] != "push" && args[0] != "diff"))
        return unexpectedWord("settings", args, 0);
    // push or diff without its file, or pull with something other than "-o FILE".
    if (args[0] != "pull" || args[1] != "-o")
        return unexpectedWord("settings " + args[0], args, 1);
    return unexpectedWord("settings pull", args, args.size() < 3 ? 2 : 3);
}

ParseResult parseClock(const std::vector<std::string>& args) {
    if (args.size() == 1 && args[0] == "get") {
        return Job{[](PortRun& run) {
                       HeldTime time;
                       if (!readClock(reportingLine(run), time))
                           return kExitCommunication;
                       run.result = clockResult(time, QDateTime::currentDateTime());
                       run.out << clockDisplayText(time).toStdString() << '\n';
                       return kExitOk;
                   },
                   true,
                   {}};
    }
    if (!args.empty() && args[0] == "get")
        return unexpectedWord("clock get", args, 1);
    if (args.empty() || args[0] != "set")
        return unexpectedWord("clock", args, 0);
    std::optional<HeldTime> given;
    if (args.size() >= 2 && args[1] == "--time") {
        if (args.size() != 3)
            return unexpectedWord("clock set", args, args.size() < 3 ? 2 : 3);
        given = parseClockText(args[2]);
        if (!given)
            return badValue("--time", args[2], "is not a time \"dd-mm-yy hh:mm:ss\"");
    } else if (args.size() != 1) {
        return unexpectedWord("clock set", args, 1);
    }
    return Job{[given](PortRun& run) {
                   const QDateTime now = QDateTime::currentDateTime();
                   HeldTime time = given ? *given : heldTimeFrom(now);
                   if (!sendClock(reportingLine(run), time))
                       return kExitCommunication;
                   run.result = clockResult(time, now);
                   return kExitOk;
               },
               true,
               {}};
}
