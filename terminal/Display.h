// The scale's displays and indicators as the display poll (command 0x42) returns them: three
// seven-character lines with their numbers of decimals and two bytes of indicator flags. Decoding
// and the texts made of them are UI-free, shared by the terminal window and scalectl.
#pragma once

#include "link/FrameLink.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

constexpr size_t kDisplayLines = 3;
constexpr size_t kDisplayCells = 7;
constexpr uint8_t kDisplayCommand = 0x42;

// The nine indicators in the order the panel shows them, top to bottom.
enum class Indicator { Shift, Mode, Stab, Zero, Net, Batt, Sbt, Paper, Charg };
constexpr size_t kIndicators = 9;

struct IndicatorFlag {
    const char* name; // the indicator's caption
    size_t byteIndex; // reply byte 29 or 30
    uint8_t bit;
};
// Indexed by Indicator.
extern const std::array<IndicatorFlag, kIndicators> kIndicatorFlags;

struct DisplayState {
    std::array<std::string, kDisplayLines> lines; // seven bytes each, as the scale sent them
    std::array<uint8_t, kDisplayLines> decimals{};
    std::array<bool, kIndicators> indicators{};

    bool shows(Indicator indicator) const { return indicators[static_cast<size_t>(indicator)]; }
};

// Reads a 0x42 reply by index, status byte at 0.
DisplayState decodeDisplay(const uint8_t* reply);

// One poll on the link itself, not through a command runner: a failed poll reports nothing.
// Empty when the exchange failed.
std::optional<DisplayState> pollDisplay(FrameLink& link);

// A display line as the window shows it: one blank, then the seven characters (code page 1250).
QString displayCaption(const std::string& line);
// The decimal-point overlay of a line: eight blanks with the separator at position 8 - decimals
// (from 1). The overlay sits half a cell to the right and shows seven cells, so the separator falls
// between the digits with `decimals` digits to its right, and in the hidden eighth cell for 0.
// From 8 decimals on, the position would lie before the text: no separator is shown.
QString overlayCaption(uint8_t decimals, const QString& separator);
// A display line as text: the seven characters with the separator inserted before the last
// `decimals` of them (1 to 7; none for 0 or 8 and more).
QString lineWithSeparator(const std::string& line, uint8_t decimals, const QString& separator);
// The names of the indicators that are on, in panel order, separated by one blank.
QString indicatorNames(const DisplayState& state);
