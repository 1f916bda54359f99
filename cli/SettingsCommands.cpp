#include "cli/SettingsCommands.h"

#include "settings/ClockTime.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransfer.h"
#include "text/Numbers.h"

#include <QRegularExpression>
#include <iostream>
#include <memory>

namespace {

int ioError(std::ostream& err, int code) {
    err << "I/O Error!\n";
    return code;
}

int settingsPull(PortRun& run, const std::string& outPattern) {
    Settings settings;
    if (!loadSettings(reportingLine(run), settings))
        return kExitCommunication;
    if (outPattern.empty()) {
        std::optional<QByteArray> bytes = settingsFileBytes(settings);
        if (bytes) {
            run.out.write(bytes->constData(), bytes->size());
            run.out.flush();
        }
        return bytes && run.out ? kExitOk : ioError(run.err, kExitIoError);
    }
    if (!saveSettingsFile(QString::fromLocal8Bit(outputPath(outPattern, run.portName)), settings))
        return ioError(run.err, kExitIoError);
    return kExitOk;
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

// The file is read and every value converted before the port is touched: unlike the tab, a bad tax
// rate sends nothing at all.
ParseResult preparePush(const std::string& file, const std::optional<std::string>& rate) {
    auto settings = std::make_shared<Settings>();
    SettingsFilePlace bad{};
    switch (loadSettingsFile(QString::fromLocal8Bit(file), *settings, &bad)) {
    case SettingsFileLoad::Loaded:
        break;
    case SettingsFileLoad::BadNumber:
        std::cerr << "I/O Error! line " << bad.line << ": '" << bad.text.toLocal8Bit().constData()
                  << "' is not a whole number\n";
        return kExitBadInput;
    case SettingsFileLoad::IoError:
        return ioError(std::cerr, kExitIoError);
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

ParseResult parseSettings(const std::vector<std::string>& args) {
    if (args.size() >= 2 && args[0] == "push") {
        std::optional<std::string> rate;
        for (size_t i = 2; i < args.size(); i += 2) {
            if (args[i] != "--rate" || rate)
                return unexpectedWord("settings push", args, i);
            if (i + 1 >= args.size())
                return unexpectedWord("settings push", args, i + 1);
            rate = args[i + 1];
            double value = 0;
            int error = 0;
            tryParseFloat(QString::fromLocal8Bit(*rate), value, error);
            if (error != 0)
                return badValue("--rate", *rate, "is not a number");
        }
        return preparePush(args[1], rate);
    }
    if (args.size() == 1 && args[0] == "pull")
        return Job{[](PortRun& run) { return settingsPull(run, {}); }, true, {}};
    if (args.size() == 3 && args[0] == "pull" && args[1] == "-o")
        return Job{[out = args[2]](PortRun& run) { return settingsPull(run, out); }, true, args[2]};
    if (args.empty() || (args[0] != "pull" && args[0] != "push"))
        return unexpectedWord("settings", args, 0);
    // push without its file, or pull with something other than "-o FILE".
    if (args[0] == "push" || args[1] != "-o")
        return unexpectedWord("settings " + args[0], args, 1);
    return unexpectedWord("settings pull", args, args.size() < 3 ? 2 : 3);
}

ParseResult parseClock(const std::vector<std::string>& args) {
    if (args.size() == 1 && args[0] == "get") {
        return Job{[](PortRun& run) {
                       HeldTime time;
                       if (!readClock(reportingLine(run), time))
                           return kExitCommunication;
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
                   HeldTime time = given ? *given : heldTimeFrom(QDateTime::currentDateTime());
                   return sendClock(reportingLine(run), time) ? kExitOk : kExitCommunication;
               },
               true,
               {}};
}
