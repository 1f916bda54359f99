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

std::optional<std::string> requestIdentity(const ScaleLine& line) {
    line.link.clear();
    line.link.expectReply(kIdentityWidth + 1);
    if (!line.runCommand(kIdentityCommand))
        return std::nullopt;
    return line.link.getText(kIdentityWidth);
}
