// The report memory over the real link against the emulated scale: the 0x43 requests, the blocks
// decoded field by field, and the Z close's password on the wire.
#include "reports/ReportBlocks.h"
#include "tests/support/KnownReportMemory.h"
#include "tests/support/SimHarness.h"

#include <gtest/gtest.h>

namespace {

class ReportBlocks : public ::testing::Test {
protected:
    SimHarness scale;
    void SetUp() override {
        scale.sim().withState(fillKnownReportMemory);
        ASSERT_TRUE(theLink.open(1, 9600));
        scale.sim().clearLog();
    }
};

TEST_F(ReportBlocks, TotalsAreDecodedFromTheirBlockWithCountsUnsigned) {
    std::optional<reports::ReportTotals> totals = reports::readReportTotals(quietLine(theLink));
    ASSERT_TRUE(totals);
    EXPECT_EQ(scale.sim().requestBodies(), (std::vector<std::vector<uint8_t>>{{0x43, 0x08, 0x00, 192}}));
    EXPECT_EQ(totals->docNumber, 4711);
    EXPECT_EQ(totals->grandTotal, 123456);
    EXPECT_EQ(totals->taxTotals, (std::array<int32_t, 9>{100000, 0, -250, 0, 0, 0, 0, 0, 1250}));
    EXPECT_EQ(totals->hourAmounts[0], 5);
    EXPECT_EQ(totals->hourAmounts[12], 999);
    EXPECT_EQ(totals->hourAmounts[23], -5);
    EXPECT_EQ(totals->hourCounts[9], 14);
    EXPECT_EQ(totals->hourCounts[12], 0);
    EXPECT_EQ(totals->hourCounts[23], 65535);
}

TEST_F(ReportBlocks, EachClerkIsReadAtItsOwnAddress) {
    for (int clerk = 1; clerk <= 4; ++clerk) {
        std::optional<reports::ClerkTotals> totals = reports::readClerkTotals(quietLine(theLink), clerk);
        ASSERT_TRUE(totals) << clerk;
        EXPECT_EQ(totals->salesTotal, 2147483647) << clerk;
        EXPECT_EQ(totals->operations, 9 + clerk) << clerk;
        EXPECT_EQ(totals->cancelTotal, -100 * (clerk - 1)) << clerk;
        EXPECT_EQ(totals->cancelCount, clerk - 1) << clerk;
        EXPECT_EQ(totals->clients, clerk == 4 ? 65535 : 4 + clerk) << clerk;
        EXPECT_EQ(totals->cashTotal, -2147483647 - 1) << clerk;
        EXPECT_EQ(totals->creditTotal, 1000 * clerk) << clerk;
        EXPECT_EQ(totals->discountCount, 2 * (clerk - 1)) << clerk;
        EXPECT_EQ(totals->discountTotal, 50 * (clerk - 1)) << clerk;
    }
    EXPECT_EQ(
        scale.sim().requestBodies(),
        (std::vector<std::vector<uint8_t>>{
            {0x43, 0x09, 0x00, 80}, {0x43, 0x09, 0x50, 80}, {0x43, 0x09, 0xA0, 80}, {0x43, 0x09, 0xF0, 80}}));
}

TEST_F(ReportBlocks, AFailedReadGivesNoBlock) {
    scale.sim().injectFault(Fault::Nak, 3);
    EXPECT_FALSE(reports::readReportBlock(quietLine(theLink), 0x0800, 192));
}

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
                         [](const auto& info) { return std::string(info.param.name); });

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
