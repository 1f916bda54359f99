#include "cli/TerminalCommands.h"

#include "cli/JsonOutput.h"

#include "terminal/Display.h"
#include "terminal/Keypad.h"
#include "text/CodePage.h"

#include <QLocale>
#include <ostream>

namespace {

// "0x" and exactly two hexadecimal digits.
std::optional<uint8_t> writtenCode(const std::string& text) {
    if (text.size() != 4 || text.compare(0, 2, "0x") != 0)
        return std::nullopt;
    auto value = parseNumber(text.substr(2), 16, 0, 255);
    if (!value)
        return std::nullopt;
    return static_cast<uint8_t>(*value);
}

int showDisplay(PortRun& run) {
    std::optional<DisplayState> state = pollDisplay(run.link);
    if (!state) {
        reportCommunicationError(run);
        return kExitCommunication;
    }
    QJsonArray lines, decimals;
    for (size_t n = 0; n < kDisplayLines; ++n) {
        lines.append(fromCp1250(state->lines[n]));
        decimals.append(state->decimals[n]);
    }
    run.result = {{"lines", lines},
                  {"decimals", decimals},
                  {"indicators", QJsonArray::fromStringList(
                                     indicatorNames(*state).split(QLatin1Char(' '), Qt::SkipEmptyParts))}};
    QString separator = QLocale().decimalPoint();
    QString text;
    for (size_t n = 0; n < kDisplayLines; ++n)
        text += lineWithSeparator(state->lines[n], state->decimals[n], separator) + QLatin1Char('\n');
    text += indicatorNames(*state) + QLatin1Char('\n');
    run.out << text.toLocal8Bit().toStdString() << std::flush;
    return kExitOk;
}

} // namespace

ParseResult parseDisplay(const std::vector<std::string>& args) {
    if (!args.empty())
        return unexpectedWord("display", args, 0);
    return Job{showDisplay, true, {}};
}

ParseResult parseKey(const std::vector<std::string>& args) {
    if (args.empty())
        return unexpectedWord("key", args, 0);
    std::vector<uint8_t> codes;
    for (const std::string& arg : args) {
        std::optional<uint8_t> code = keypadCode(arg);
        if (!code)
            code = writtenCode(arg);
        if (!code)
            return badValue("key", arg, "is not a key of the keypad nor a code 0xNN");
        codes.push_back(*code);
    }
    return Job{[codes](PortRun& run) {
                   ScaleLine line = reportingLine(run);
                   QJsonArray pressed;
                   int code = kExitOk;
                   for (uint8_t key : codes) {
                       if (!sendKey(line, key)) {
                           code = kExitCommunication;
                           break;
                       }
                       pressed.append(QStringLiteral("0x") + hexText(&key, 1));
                   }
                   run.result = {{"pressed", pressed}};
                   return code;
               },
               true,
               {}};
}
