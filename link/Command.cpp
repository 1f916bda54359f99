#include "link/Command.h"

CommandOutcome performCommand(FrameLink& link, uint8_t code) {
    link.transact(code);
    CommandOutcome outcome{!link.exchangeFailed, link.getByte()};
    link.getByte();
    return outcome;
}

ScaleLine quietLine(FrameLink& link) {
    return {link, [&link](uint8_t code) { return performCommand(link, code).ok; }};
}

std::optional<std::string> readIdentity(const ScaleLine& line) {
    // The identity is a text field 32 wide at reply byte 2.
    constexpr uint8_t identityWidth = 32;
    line.link.clear();
    if (!line.runCommand(kIdentityCommand))
        return std::nullopt;
    return line.link.getText(identityWidth);
}
