// The weighing (metrology) parameters of the SYSTEM tab, without any user interface: the tab's
// fields as the operator left them, their start values, the six standard configurations, and the
// 28-byte request that writes them to the scale (command 0x41). The SYSTEM tab and scalectl's
// "calibration send" share it.
#pragma once

#include "link/Command.h"
#include "text/SpinRange.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

constexpr uint8_t kSystemParametersCommand = 0x41;

// The spin fields' ranges.
constexpr SpinRange kUnitRange{1, 10000};
constexpr SpinRange kInitialZeroRange{0, 0};
constexpr SpinRange kDigitsRange{11, 44};
constexpr SpinRange kGravityRange{97000, 99000};
constexpr SpinRange kPasswordRange{0, 99999};

// Every field of the tab. The combo boxes and "Max Tare" are texts, converted only when the
// parameters are built; the spin fields are whole numbers, pulled into their ranges when built.
struct SystemFields {
    QString capacity;     // "Capacity", capacityCombo
    QString interval;     // "e=d=", intervalCombo
    int32_t unit;         // "Unit", unitSpin
    int32_t initialZero;  // "Initial Zero, %", initialZeroSpin
    QString maxTare;      // "Max Tare", maxTareEdit
    int32_t digits;       // "Digits (Weight,Price)", digitsSpin
    QString priceRound;   // "price round", priceRoundCombo
    int32_t localG;       // "Local g", localGSpin
    int32_t destinationG; // "Destination g", destinationGSpin
    QString stableCount;  // "Stbale Count", stableCountCombo
    int32_t password;     // "Password", passwordSpin
    bool lb;              // poundsBox
    bool dualInterval;    // dualIntervalBox
    bool comma;           // commaBox
    bool oneTimeTare;     // oneTimeTareBox
    bool minimumSale;     // minimumSaleBox

    bool operator==(const SystemFields&) const = default;
};

// The fields of a first run. "Max Tare" is 6.0 written with the regional decimal separator, so
// that SEND converts it whatever the locale.
SystemFields startFields();

// One standard configuration: the preset button, its caption, the name scalectl knows it by, and
// the value it writes into every field.
struct SystemPreset {
    std::string_view button;
    std::string_view caption;
    std::string_view name;
    SystemFields fields;
};

// The six presets in the order of their buttons (single6Button to single30Button, dual6Button to
// dual30Button).
const std::array<SystemPreset, 6>& systemPresets();

// clear, then the 28 bytes of the request in their order, each field converted as it is put: a
// combo text that is no whole number, or a "Max Tare" text that is no decimal number in the
// regional format, throws ConversionError with the standard message, and nothing has been sent.
void putSystemParameters(FrameLink& link, const SystemFields& fields);

// Builds the request on the line's link and sends it with 0x41; false when the exchange failed
// (the line has reported it). Throws like putSystemParameters, before anything is sent.
bool sendSystemParameters(const ScaleLine& line, const SystemFields& fields);
