#include "terminal/Display.h"

#include "text/CodePage.h"

#include <QStringList>

namespace {

// Where the lines, their decimals bytes and the indicator bytes lie in the reply.
constexpr std::array<size_t, kDisplayLines> kLineStart = {3, 11, 19};
constexpr size_t kDecimalsStart = 26;
constexpr size_t kOverlayCells = 8;
// What the poll reads after the reply's two leading bytes: up to the last indicator byte, 30.
constexpr size_t kDisplayReplyBytes = 30 + 1 - 2;

bool separatorShown(uint8_t decimals) {
    return decimals < kOverlayCells;
}

} // namespace

const std::array<IndicatorFlag, kIndicators> kIndicatorFlags = {{
    {"SHIFT", 30, 0x02},
    {"MODE", 29, 0x20},
    {"STAB", 29, 0x01},
    {"ZERO", 29, 0x02},
    {"NET", 29, 0x08},
    {"BATT", 29, 0x10},
    {"SBT", 30, 0x04},
    {"PAPER", 30, 0x08},
    {"CHARG", 30, 0x10},
}};

DisplayState decodeDisplay(const uint8_t* reply) {
    DisplayState state;
    for (size_t n = 0; n < kDisplayLines; ++n) {
        const auto* start = reinterpret_cast<const char*>(reply + kLineStart[n]);
        state.lines[n].assign(start, kDisplayCells);
        state.decimals[n] = reply[kDecimalsStart + n];
    }
    for (size_t i = 0; i < kIndicators; ++i)
        state.indicators[i] = (reply[kIndicatorFlags[i].byteIndex] & kIndicatorFlags[i].bit) != 0;
    return state;
}

std::optional<DisplayState> pollDisplay(FrameLink& link) {
    link.clear();
    link.expectReply(kDisplayReplyBytes);
    link.transact(kDisplayCommand);
    if (link.exchangeFailed)
        return std::nullopt;
    return decodeDisplay(link.replyBuffer);
}

QString displayCaption(const std::string& line) {
    return QLatin1Char(' ') + fromCp1250(line);
}

QString overlayCaption(uint8_t decimals, const QString& separator) {
    QString overlay(kOverlayCells, QLatin1Char(' '));
    if (separatorShown(decimals))
        overlay.replace(kOverlayCells - 1 - decimals, 1, separator);
    return overlay;
}

QString lineWithSeparator(const std::string& line, uint8_t decimals, const QString& separator) {
    QString text = fromCp1250(line);
    if (decimals > 0 && separatorShown(decimals))
        text.insert(text.size() - decimals, separator);
    return text;
}

QString indicatorNames(const DisplayState& state) {
    QStringList names;
    for (size_t i = 0; i < kIndicators; ++i)
        if (state.indicators[i])
            names << QString::fromLatin1(kIndicatorFlags[i].name);
    return names.join(QLatin1Char(' '));
}
