#include "metrology/SystemParameters.h"

#include "text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr uint8_t kParametersVersion = 8;
constexpr int32_t kTareScale = 1000;

uint8_t flagsByte(const SystemFields& fields) {
    return static_cast<uint8_t>((fields.lb ? 0x01 : 0) | (fields.dualInterval ? 0x02 : 0) |
                                (fields.comma ? 0x04 : 0) | (fields.oneTimeTare ? 0x08 : 0));
}

// "Max Tare" in the scale's thousandths: the whole part of the decimal number, times 1000, cut to
// 32 bits like every wide value. A number too large for any whole count is refused with the
// conversion message rather than wrapped from an undefined conversion.
uint32_t maxTareThousandths(const QString& text) {
    double whole = std::trunc(strToFloat(text));
    constexpr double limit = double(std::numeric_limits<int64_t>::max() / kTareScale);
    if (std::fabs(whole) >= limit)
        throw notAFloat(text);
    return static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(whole) * kTareScale));
}

// Every preset sets the fields it does not name to the values a first run starts with, and checks
// "Minimum Sale".
SystemFields presetFields(const char* capacity, const char* interval, const char* maxTare, bool dual) {
    SystemFields fields = startFields();
    fields.capacity = QString::fromLatin1(capacity);
    fields.interval = QString::fromLatin1(interval);
    fields.maxTare = QString::fromLatin1(maxTare);
    fields.dualInterval = dual;
    fields.minimumSale = true;
    return fields;
}

} // namespace

SystemFields startFields() {
    return SystemFields{.capacity = QStringLiteral("15"),
                        .interval = QStringLiteral("2"),
                        .unit = 1000,
                        .initialZero = 10,
                        .maxTare = QStringLiteral("6") + regionalDecimalSeparator() + QStringLiteral("0"),
                        .digits = 32,
                        .priceRound = QStringLiteral("1"),
                        .localG = 97994,
                        .destinationG = 97994,
                        .stableCount = QStringLiteral("3"),
                        .password = 0,
                        .lb = false,
                        .dualInterval = true,
                        .comma = false,
                        .oneTimeTare = false,
                        .minimumSale = false};
}

const std::array<SystemPreset, 6>& systemPresets() {
    static const std::array<SystemPreset, 6> presets{{
        {"single6Button", "Single 6Kg(1/3000)", "single-6", presetFields("6", "2", "6", false)},
        {"single15Button", "Single 15Kg(1/3000)", "single-15", presetFields("15", "5", "15", false)},
        {"single30Button", "Single 30Kg(1/3000)", "single-30", presetFields("30", "10", "30", false)},
        {"dual6Button", "Dual 6Kg(1/6000)", "dual-6", presetFields("6", "1", "6", true)},
        {"dual15Button", "Dual 15Kg(1/6000)", "dual-15", presetFields("15", "2", "6", true)},
        {"dual30Button", "Dual 30Kg(1/6000)", "dual-30", presetFields("30", "5", "6", true)},
    }};
    return presets;
}

void putSystemParameters(FrameLink& link, const SystemFields& fields) {
    // Wide values keep their low bits: the casts to the field widths are the cut.
    link.clear();
    link.putByte(kParametersVersion);
    link.putByte(static_cast<uint8_t>(strToInt(fields.capacity)));
    link.putByte(static_cast<uint8_t>(strToInt(fields.interval)));
    link.putByte(static_cast<uint8_t>(kDigitsRange.pull(fields.digits)));
    link.putWord(static_cast<uint16_t>(strToInt(fields.priceRound)));
    link.putWord(static_cast<uint16_t>(kUnitRange.pull(fields.unit)));
    link.putByte(flagsByte(fields));
    link.putLong(static_cast<uint32_t>(kGravityRange.pull(fields.localG)));
    link.putLong(static_cast<uint32_t>(kGravityRange.pull(fields.destinationG)));
    link.putByte(static_cast<uint8_t>(kInitialZeroRange.pull(fields.initialZero)));
    link.putLong(maxTareThousandths(fields.maxTare));
    link.putByte(fields.minimumSale ? 1 : 0);
    link.putByte(static_cast<uint8_t>(strToInt(fields.stableCount)));
    link.putLong(static_cast<uint32_t>(kPasswordRange.pull(fields.password)));
}

bool sendSystemParameters(const ScaleLine& line, const SystemFields& fields) {
    putSystemParameters(line.link, fields);
    return line.runCommand(kSystemParametersCommand);
}
