// The weighing parameters without any window: the start values, the six presets' exact values,
// the 28 bytes of the request with the edge values of each field, and the conversion messages
// that stop a SEND before anything is put on the line.
#include "metrology/SystemParameters.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "text/Numbers.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using testcases::PrintTo;

std::vector<uint8_t> payloadOf(const SystemFields& fields) {
    FrameLink link;
    link.putText("stale", 40); // a request starts afresh whatever the buffer held
    putSystemParameters(link, fields);
    return {link.sendBuffer, link.sendBuffer + link.payloadCount};
}

// The conversion message that stops the request; empty when every field converts.
QString refusalOf(const SystemFields& fields) {
    FrameLink link;
    try {
        putSystemParameters(link, fields);
    } catch (const ConversionError& error) {
        return error.message();
    }
    return {};
}

// The request as the scale reads it: the leading 8, Capacity, e=d=, Digits, price round, Unit,
// flags, Local g, Destination g, Initial Zero, Max Tare, Minimum Sale, Stbale Count, Password.
const std::vector<uint8_t> startPayload{8,    15,   2,    32,   0x00, 0x01, 0x03, 0xE8, 0x02, 0x00,
                                        0x01, 0x7E, 0xCA, 0x00, 0x01, 0x7E, 0xCA, 10,   0x00, 0x00,
                                        0x17, 0x70, 0,    3,    0x00, 0x00, 0x00, 0x00};

TEST(SystemParameters, StartValuesMakeTheRequestAScaleOfAFirstRunGets) {
    LocaleGuard point(QLocale(QLocale::English, QLocale::UnitedStates));
    SystemFields start = startFields();
    EXPECT_EQ(start.capacity, "15");
    EXPECT_EQ(start.interval, "2");
    EXPECT_EQ(start.priceRound, "1");
    EXPECT_EQ(start.stableCount, "3");
    EXPECT_EQ(start.maxTare, "6.0");
    EXPECT_EQ(payloadOf(start), startPayload);
}

TEST(SystemParameters, MaxTareStartsWithTheRegionalSeparatorSoACommaLocaleSendsItToo) {
    LocaleGuard comma(QLocale(QLocale::German, QLocale::Germany));
    SystemFields start = startFields();
    EXPECT_EQ(start.maxTare, "6,0");
    EXPECT_EQ(payloadOf(start), startPayload);
}

// Each preset's varying values; every preset sets the rest alike. (What the presets send is
// checked over the line, in the command-line tool's tests.)
struct PresetCase {
    const char* name;
    const char* button;
    const char* caption;
    const char* capacity;
    const char* interval;
    const char* maxTare;
    bool dualInterval;
};
class Presets : public ::testing::TestWithParam<PresetCase> {};

TEST_P(Presets, WriteTheirFixedValuesIntoEveryField) {
    const PresetCase& c = GetParam();
    const SystemPreset* preset = nullptr;
    for (const SystemPreset& candidate : systemPresets())
        if (candidate.name == c.name)
            preset = &candidate;
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ(preset->button, c.button);
    EXPECT_EQ(preset->caption, c.caption);
    const SystemFields& f = preset->fields;
    EXPECT_EQ(f.capacity, c.capacity);
    EXPECT_EQ(f.interval, c.interval);
    EXPECT_EQ(f.maxTare, c.maxTare);
    EXPECT_EQ(f.dualInterval, c.dualInterval);
    EXPECT_EQ(f.digits, 32);
    EXPECT_EQ(f.priceRound, "1");
    EXPECT_EQ(f.unit, 1000);
    EXPECT_FALSE(f.lb);
    EXPECT_FALSE(f.comma);
    EXPECT_FALSE(f.oneTimeTare);
    EXPECT_EQ(f.localG, 97994);
    EXPECT_EQ(f.destinationG, 97994);
    EXPECT_EQ(f.initialZero, 10);
    EXPECT_TRUE(f.minimumSale);
    EXPECT_EQ(f.stableCount, "3");
    EXPECT_EQ(f.password, 0);
}

INSTANTIATE_TEST_SUITE_P(
    SixButtons, Presets,
    ::testing::Values(
        PresetCase{"single-6", "single6Button", "Single 6Kg(1/3000)", "6", "2", "6", false},
        PresetCase{"single-15", "single15Button", "Single 15Kg(1/3000)", "15", "5", "15", false},
        PresetCase{"single-30", "single30Button", "Single 30Kg(1/3000)", "30", "10", "30", false},
        PresetCase{"dual-6", "dual6Button", "Dual 6Kg(1/6000)", "6", "1", "6", true},
        PresetCase{"dual-15", "dual15Button", "Dual 15Kg(1/6000)", "15", "2", "6", true},
        PresetCase{"dual-30", "dual30Button", "Dual 30Kg(1/6000)", "30", "5", "6", true}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

TEST(SystemParameters, PresetsComeInTheOrderOfTheirButtons) {
    std::vector<std::string> buttons;
    for (const SystemPreset& preset : systemPresets())
        buttons.emplace_back(preset.button);
    EXPECT_EQ(buttons, (std::vector<std::string>{"single6Button", "single15Button", "single30Button",
                                                 "dual6Button", "dual15Button", "dual30Button"}));
}

// One field changed from the start values, and the bytes of the request where it lands.
struct EdgeCase {
    const char* name;
    std::function<void(SystemFields&)> change;
    size_t offset;
    std::vector<uint8_t> bytes;
};
class RequestBytes : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(RequestBytes, LandWhereTheScaleReadsThem) {
    LocaleGuard point(QLocale(QLocale::English, QLocale::UnitedStates));
    const EdgeCase& c = GetParam();
    SystemFields fields = startFields();
    c.change(fields);
    std::vector<uint8_t> expected = startPayload;
    std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + long(c.offset));
    EXPECT_EQ(payloadOf(fields), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeValues, RequestBytes,
    ::testing::Values(
        EdgeCase{"MaxTareFractionDropped",
                 [](SystemFields& f) { f.maxTare = "7.5"; },
                 18,
                 {0x00, 0x00, 0x1B, 0x58}},
        EdgeCase{"MaxTareBelowOneIsZero", [](SystemFields& f) { f.maxTare = "0.9"; }, 18, {0, 0, 0, 0}},
        EdgeCase{"MaxTareNegativeTowardZero",
                 [](SystemFields& f) { f.maxTare = "-7.5"; },
                 18,
                 {0xFF, 0xFF, 0xE4, 0xA8}},
        EdgeCase{"MaxTareWideKeepsLowBits",
                 [](SystemFields& f) { f.maxTare = "5000000"; },
                 18,
                 {0x2A, 0x05, 0xF2, 0x00}},
        EdgeCase{"InitialZeroHasNoLimitAndKeepsItsLowByte",
                 [](SystemFields& f) { f.initialZero = 300; },
                 17,
                 {44}},
        EdgeCase{"InitialZeroNegative", [](SystemFields& f) { f.initialZero = -1; }, 17, {0xFF}},
        EdgeCase{"CapacityOffTheListKeepsItsLowByte", [](SystemFields& f) { f.capacity = "300"; }, 1, {44}},
        EdgeCase{"PriceRoundHighestItem", [](SystemFields& f) { f.priceRound = "1000"; }, 4, {0x03, 0xE8}},
        EdgeCase{
            "PriceRoundWideKeepsLowBits", [](SystemFields& f) { f.priceRound = "65537"; }, 4, {0x00, 0x01}},
        EdgeCase{"UnitHighest", [](SystemFields& f) { f.unit = 10000; }, 6, {0x27, 0x10}},
        EdgeCase{"UnitBelowRangeIsOne", [](SystemFields& f) { f.unit = 0; }, 6, {0x00, 0x01}},
        EdgeCase{"DigitsAboveRangeIs44", [](SystemFields& f) { f.digits = 99; }, 3, {44}},
        EdgeCase{"AllFourFlags",
                 [](SystemFields& f) { f.lb = f.dualInterval = f.comma = f.oneTimeTare = true; },
                 8,
                 {0x0F}},
        EdgeCase{"OnlyDualInterval", [](SystemFields&) {}, 8, {0x02}},
        EdgeCase{"OnlyLb", [](SystemFields& f) { f.lb = true, f.dualInterval = false; }, 8, {0x01}},
        EdgeCase{"OnlyComma", [](SystemFields& f) { f.comma = true, f.dualInterval = false; }, 8, {0x04}},
        EdgeCase{"OnlyOneTimeTare",
                 [](SystemFields& f) { f.oneTimeTare = true, f.dualInterval = false; },
                 8,
                 {0x08}},
        EdgeCase{"MinimumSaleHasItsOwnByte", [](SystemFields& f) { f.minimumSale = true; }, 22, {1}},
        EdgeCase{"LocalGBelowRangeIs97000",
                 [](SystemFields& f) { f.localG = 96000; },
                 9,
                 {0x00, 0x01, 0x7A, 0xE8}},
        EdgeCase{"LocalGAboveRangeIs99000",
                 [](SystemFields& f) { f.localG = 99500; },
                 9,
                 {0x00, 0x01, 0x82, 0xB8}},
        EdgeCase{"DestinationGAboveRangeIs99000",
                 [](SystemFields& f) { f.destinationG = 150000; },
                 13,
                 {0x00, 0x01, 0x82, 0xB8}},
        EdgeCase{"PasswordHighestFillsTheLowerThreeBytes",
                 [](SystemFields& f) { f.password = 99999; },
                 24,
                 {0x00, 0x01, 0x86, 0x9F}},
        EdgeCase{"PasswordAboveRangeIsTheHighest",
                 [](SystemFields& f) { f.password = 1000000; },
                 24,
                 {0x00, 0x01, 0x86, 0x9F}}),
    testcases::caseName);

// A text that does not convert, and the message that ends the SEND.
struct RefusalCase {
    const char* name;
    std::function<void(SystemFields&)> change;
    const char* message;
};
class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, StopTheRequestWithTheStandardMessage) {
    LocaleGuard point(QLocale(QLocale::English, QLocale::UnitedStates));
    SystemFields fields = startFields();
    GetParam().change(fields);
    EXPECT_EQ(refusalOf(fields), QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    BadTexts, Refusals,
    ::testing::Values(
        RefusalCase{"Capacity", [](SystemFields& f) { f.capacity = "15kg"; },
                    "'15kg' is not a valid integer value"},
        RefusalCase{"IntervalEmpty", [](SystemFields& f) { f.interval = ""; },
                    "'' is not a valid integer value"},
        RefusalCase{"PriceRoundDecimal", [](SystemFields& f) { f.priceRound = "0.5"; },
                    "'0.5' is not a valid integer value"},
        RefusalCase{"StableCount", [](SystemFields& f) { f.stableCount = "three"; },
                    "'three' is not a valid integer value"},
        RefusalCase{"MaxTareEmpty", [](SystemFields& f) { f.maxTare = ""; },
                    "'' is not a valid floating point value"},
        RefusalCase{"MaxTareGroupedAnotherWay", [](SystemFields& f) { f.maxTare = "1.000,5"; },
                    "'1.000,5' is not a valid floating point value"},
        RefusalCase{"MaxTareBeyondAnyCount", [](SystemFields& f) { f.maxTare = "1e300"; },
                    "'1e300' is not a valid floating point value"},
        // The first field that does not convert, in the order of the request, is the one reported.
        RefusalCase{"FirstInRequestOrder",
                    [](SystemFields& f) {
                        f.stableCount = "x";
                        f.maxTare = "y";
                        f.priceRound = "z";
                    },
                    "'z' is not a valid integer value"}),
    testcases::caseName);

// A point typed on a comma desktop is a decimal point too: the field has no grouping to mistake it for.
TEST(SystemParameters, CommaLocaleTakesAPointOrACommaInMaxTare) {
    LocaleGuard comma(QLocale(QLocale::Polish, QLocale::Poland));
    SystemFields fields = startFields();
    std::vector<uint8_t> expected = startPayload;
    expected[20] = 0x1B;
    expected[21] = 0x58;
    for (const char* text : {"7,5", "7.5"}) {
        fields.maxTare = text;
        EXPECT_EQ(payloadOf(fields), expected) << text;
    }
}

} // namespace
