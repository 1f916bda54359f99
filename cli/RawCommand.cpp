#include "cli/RawCommand.h"

#include "cli/JsonOutput.h"

#include <cctype>
#include <ostream>

namespace {

// Hexadecimal bytes, with or without blanks between them ("00 07 00 36" or "00070036").
std::optional<std::vector<uint8_t>> parseHex(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c == ' ' || c == ':')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        digits.push_back(c);
    }
    if (digits.size() % 2 != 0 || digits.size() / 2 > 255)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

int runRaw(PortRun& run, uint8_t code, const std::vector<uint8_t>& payload) {
    FrameLink& link = run.link;
    link.clear();
    for (uint8_t b : payload)
        link.putByte(b);
    link.transact(code);
    if (link.exchangeFailed) {
        reportCommunicationError(run);
        return kExitCommunication;
    }
    // The body as the scale sent it, status byte first, without the trailing check byte.
    size_t count = link.replyCount > 0 ? link.replyCount - 1 : 0;
    const QString body = hexText(link.replyBuffer, count);
    run.result = {{"status", count > 0 ? QJsonValue(link.replyBuffer[0]) : QJsonValue()}, {"reply", body}};
    run.out << body.toStdString() << '\n';
    return kExitOk;
}

} // namespace

ParseResult parseRaw(const std::vector<std::string>& args) {
    if (args.empty())
        return unexpectedWord("raw", args, 0);
    const std::string& codeText = args[0];
    bool prefixed = codeText.size() > 2 && codeText[0] == '0' && (codeText[1] == 'x' || codeText[1] == 'X');
    auto code = parseNumber(prefixed ? codeText.substr(2) : codeText, 16, 0, 255);
    if (!code)
        return badValue("raw: CODE", codeText, "is not a hexadecimal number from 00 to FF");
    std::string hex;
    for (size_t i = 1; i < args.size(); ++i)
        hex += args[i];
    auto payload = parseHex(hex);
    if (!payload)
        return badValue("raw: HEX", hex, "is not whole bytes in hexadecimal");
    return Job{[code = static_cast<uint8_t>(*code), bytes = *payload](PortRun& run) {
                   return runRaw(run, code, bytes);
               },
               true,
               {}};
}
