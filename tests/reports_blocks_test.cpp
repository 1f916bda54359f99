// The Z close over the real link against the emulated scale: the password on the wire, and the
// close's outcome being the exchange's. (The blocks' reads and decoding are checked through the
// whole report text, where every field shows.)
#include "reports/ReportBlocks.h"
#include "tests/support/KnownReportMemory.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <gtest/gtest.h>

namespace {

using testcases::PrintTo;

class ReportBlocks : public ::testing::Test {
protected:
    SimHarness scale;
    void SetUp() override {
        scale.sim().withState(fillKnownReportMemory);
        ASSERT_TRUE(theLink.open(1, 9600));
        scale.sim().clearLog();
    }
};

struct PasswordCase {
    const char* name;
    uint32_t password;
    std::vector<uint8_t> bytes;
};

class ZClosePassword : public ReportBlocks, public ::testing::WithParamInterface<PasswordCase> {};

// Whatever its number of digits, the password goes out as four bytes, high byte first.
TEST_P(ZClosePassword, GoesOutAsFourBytesHighByteFirst) {
    ASSERT_TRUE(reports::closeZ(quietLine(theLink), GetParam().password));
    std::vector<uint8_t> expected{0x44};
    expected.insert(expected.end(), GetParam().bytes.begin(), GetParam().bytes.end());
    EXPECT_EQ(scale.sim().requestBodies(), std::vector<std::vector<uint8_t>>{expected});
}

INSTANTIATE_TEST_SUITE_P(Reports, ZClosePassword,
                         ::testing::Values(PasswordCase{"StartValue", 0, {0, 0, 0, 0}},
                                           PasswordCase{"OneDigit", 7, {0, 0, 0, 7}},
                                           PasswordCase{"Highest", 99999, {0x00, 0x01, 0x86, 0x9F}}),
                         testcases::caseName);

// The close's success is the exchange's: a password the scale refuses still answers, and the totals
// stay; the right one clears them.
TEST_F(ReportBlocks, ClosingWithTheRightPasswordClearsTheTotals) {
    scale.sim().withState([](ScaleState& s) { s.password = 4711; });
    EXPECT_TRUE(reports::closeZ(quietLine(theLink), 4712));
    EXPECT_EQ(reports::readReportTotals(quietLine(theLink))->grandTotal, 123456);

    EXPECT_TRUE(reports::closeZ(quietLine(theLink), 4711));
    std::optional<reports::ReportTotals> totals = reports::readReportTotals(quietLine(theLink));
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->grandTotal, 0);
    EXPECT_EQ(totals->docNumber, 4712);
    EXPECT_EQ(reports::readClerkTotals(quietLine(theLink), 1)->salesTotal, 0);

    scale.sim().injectFault(Fault::Nak, 3);
    EXPECT_FALSE(reports::closeZ(quietLine(theLink), 4711));
}

} // namespace
