// scalectl's "calibration send" against the emulated scale over a pty: the fields start at the
// tab's start values, the preset applies first wherever it stands, then the assignments in order;
// every refusal is decided before anything reaches the scale.
#include "cli/CalibrationCommands.h"
#include "link/FrameLink.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <gtest/gtest.h>
#include <ostream>
#include <sstream>

namespace {

using testcases::PrintTo;

// A preset's request: the bytes every preset shares, with its Capacity, e=d=, flags and Max Tare.
std::vector<uint8_t> presetRequest(uint8_t capacity, uint8_t interval, uint8_t flags, uint16_t tare) {
    return {8,
            capacity,
            interval,
            32,
            0x00,
            0x01,
            0x03,
            0xE8,
            flags,
            0x00,
            0x01,
            0x7E,
            0xCA,
            0x00,
            0x01,
            0x7E,
            0xCA,
            10,
            0x00,
            0x00,
            uint8_t(tare >> 8),
            uint8_t(tare),
            1,
            3,
            0x00,
            0x00,
            0x00,
            0x00};
}

class CalibrationSend : public ::testing::Test {
protected:
    SimHarness scale;
    LocaleGuard point{QLocale(QLocale::English, QLocale::UnitedStates)};
    std::ostringstream out, err;

    void SetUp() override {
        scale.sim().setCalibration(true);
        ASSERT_TRUE(theLink.open(1, 9600));
    }
    void TearDown() override { theLink.close(); }

    int send(std::vector<std::string> args) {
        args.insert(args.begin(), "send");
        PortRun run{theLink, "COM1", out, err};
        return runParsed(parseCalibration(args), run);
    }
    std::vector<std::vector<uint8_t>> requests() {
        std::vector<std::vector<uint8_t>> found;
        for (const auto& body : scale.sim().requestBodies()) {
            EXPECT_EQ(body.at(0), 0x41);
            found.emplace_back(body.begin() + 1, body.end());
        }
        return found;
    }
};

struct PresetRequest {
    const char* name;
    std::vector<uint8_t> bytes;
};
class CalibrationPreset : public CalibrationSend, public ::testing::WithParamInterface<PresetRequest> {};

TEST_P(CalibrationPreset, SendsExactlyThePresetsValues) {
    EXPECT_EQ(send({"--preset", GetParam().name}), 0) << err.str();
    EXPECT_EQ(requests(), std::vector<std::vector<uint8_t>>{GetParam().bytes});
    EXPECT_TRUE(out.str().empty());
    EXPECT_TRUE(err.str().empty());
}

INSTANTIATE_TEST_SUITE_P(SixButtons, CalibrationPreset,
                         ::testing::Values(PresetRequest{"single-6", presetRequest(6, 2, 0x00, 6000)},
                                           PresetRequest{"single-15", presetRequest(15, 5, 0x00, 15000)},
                                           PresetRequest{"single-30", presetRequest(30, 10, 0x00, 30000)},
                                           PresetRequest{"dual-6", presetRequest(6, 1, 0x02, 6000)},
                                           PresetRequest{"dual-15", presetRequest(15, 2, 0x02, 6000)},
                                           PresetRequest{"dual-30", presetRequest(30, 5, 0x02, 6000)}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(CalibrationSend, StartValuesThenPresetThenAssignmentsInOrder) {
    // Without anything, the tab's start values.
    EXPECT_EQ(send({}), 0) << err.str();
    // The preset applies first although it stands last; the later of two assignments wins.
    EXPECT_EQ(send({"max-tare=0.9", "capacity=300", "price-round=1000", "unit=10000", "initial-zero=300",
                    "local-g=96000", "destination-g=99500", "password=99999", "lb=1", "comma=1",
                    "one-time-tare=1", "minimum-sale=0", "stable-count=1", "digits=10", "interval=7",
                    "interval=20", "--preset", "single-30"}),
              0)
        << err.str();
    const std::vector<uint8_t> start{8,    15,   2,    32,   0x00, 0x01, 0x03, 0xE8, 0x02, 0x00,
                                     0x01, 0x7E, 0xCA, 0x00, 0x01, 0x7E, 0xCA, 10,   0x00, 0x00,
                                     0x17, 0x70, 0,    3,    0x00, 0x00, 0x00, 0x00};
    const std::vector<uint8_t> edges{8,    44,   20,   11,   0x03, 0xE8, 0x27, 0x10, 0x0D, 0x00,
                                     0x01, 0x7A, 0xE8, 0x00, 0x01, 0x82, 0xB8, 44,   0x00, 0x00,
                                     0x00, 0x00, 0,    1,    0x00, 0x01, 0x86, 0x9F};
    EXPECT_EQ(requests(), (std::vector<std::vector<uint8_t>>{start, edges}));
}

struct Refusal {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
};
class CalibrationRefusal : public CalibrationSend, public ::testing::WithParamInterface<Refusal> {};

TEST_P(CalibrationRefusal, EndsBeforeAnythingIsSent) {
    EXPECT_EQ(send(GetParam().args), GetParam().exitCode);
    EXPECT_TRUE(scale.sim().requestFrames().empty());
}

INSTANTIATE_TEST_SUITE_P(
    BadLines, CalibrationRefusal,
    ::testing::Values(Refusal{"UnknownField", {"weight=3"}, 64}, Refusal{"NoEquals", {"capacity"}, 64},
                      Refusal{"UnknownPreset", {"--preset", "single-60"}, 64},
                      Refusal{"PresetWithoutName", {"--preset"}, 64},
                      Refusal{"TwoPresets", {"--preset", "dual-6", "--preset", "dual-6"}, 64},
                      Refusal{"CheckBoxTwo", {"lb=2"}, 64}, Refusal{"CheckBoxWord", {"comma=yes"}, 64},
                      // A usage error later on the line wins over a value that does not convert.
                      Refusal{"UsageBeforeValues", {"unit=abc", "bogus=1"}, 64},
                      Refusal{"SpinFieldText", {"local-g=97k"}, 3},
                      Refusal{"ComboText", {"capacity=15kg"}, 3},
                      Refusal{"EmptyStableCount", {"stable-count="}, 3},
                      Refusal{"MaxTareEmpty", {"max-tare="}, 3}),
    testcases::caseName);

TEST_F(CalibrationSend, ConversionMessagesAndTheCommaLocale) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(send({"unit=ten"}), 3);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "'ten' is not a valid integer value\n");
    {
        LocaleGuard comma(QLocale(QLocale::German, QLocale::Germany));
        // A point is a decimal point there too; the start text follows the locale, so a bare send
        // works as well.
        EXPECT_EQ(send({"max-tare=6.0"}), 0) << err.str();
        EXPECT_EQ(send({}), 0) << err.str();
        EXPECT_EQ(send({"max-tare=7,5"}), 0) << err.str();
    }
    auto sent = requests();
    ASSERT_EQ(sent.size(), 3u);
    for (std::size_t i : {0u, 1u})
        EXPECT_EQ(std::vector<uint8_t>(sent[i].begin() + 18, sent[i].begin() + 22),
                  (std::vector<uint8_t>{0x00, 0x00, 0x17, 0x70}));
    EXPECT_EQ(std::vector<uint8_t>(sent[2].begin() + 18, sent[2].begin() + 22),
              (std::vector<uint8_t>{0x00, 0x00, 0x1B, 0x58}));
}

TEST_F(CalibrationSend, FailedExchangeIsACommunicationError) {
    scale.sim().injectFault(Fault::Silence, 3);
    EXPECT_EQ(send({"--preset", "dual-15"}), 1);
    EXPECT_EQ(err.str(), "Communication Error!\n");
    EXPECT_TRUE(out.str().empty());
}

} // namespace
