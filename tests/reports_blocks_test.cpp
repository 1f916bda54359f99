// The Z close over the real link against the emulated scale: the password on the wire, and the
// close's outcome being the exchange's. The rule that judges a close by the totals read back, and
// settles an unknown one by a later reading. (The blocks' reads and decoding are checked through the
// whole report text, where every field shows.)
#include "reports/ReportBlocks.h"
#include "tests/support/KnownReportMemory.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

// A report's totals for the read-back rule: document, grand total and, per hour, "h:count:amount".
reports::ReportTotals totals(int32_t document, int32_t grandTotal, std::vector<std::string> hours = {}) {
    reports::ReportTotals t;
    t.docNumber = document;
    t.grandTotal = grandTotal;
    t.taxTotals[0] = grandTotal;
    for (const std::string& hour : hours) {
        int h = 0, count = 0, amount = 0;
        std::sscanf(hour.c_str(), "%d:%d:%d", &h, &count, &amount);
        t.hourCounts[size_t(h)] = uint16_t(count);
        t.hourAmounts[size_t(h)] = amount;
    }
    return t;
}

const reports::ReportTotals kDay = totals(127, 234872, {"9:14:120050", "17:30:114822"});
const reports::ReportTotals kNoSales = totals(127, 0);
// A sale and its refund: every amount 0, two sales counted.
const reports::ReportTotals kNetZero = totals(127, 0, {"9:2:0"});
const reports::ReportTotals kRefunds = totals(127, -500, {"9:1:-500"});

struct ReadBackCase {
    const char* name;
    reports::ReportTotals before, after;
    reports::ReadBack readBack;
    std::optional<std::pair<int32_t, int32_t>> clearedUnread;
    std::optional<bool> settled; // what a later reading showing `after` makes of an unknown close
};

class ReadBackRule : public ::testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadBackRule, JudgesTheCloseByTheFigures) {
    const ReadBackCase& c = GetParam();
    const reports::ReadBackVerdict verdict = reports::judgeReadBack(c.before, c.after);
    EXPECT_EQ(int(verdict.readBack), int(c.readBack));
    EXPECT_EQ(verdict.clearedUnread, c.clearedUnread);
    EXPECT_EQ(reports::settleClose(c.before, c.after), c.settled);
}

using reports::ReadBack;
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadBackRule,
    ::testing::Values(
        ReadBackCase{"Cleared", kDay, totals(128, 0), ReadBack::Closed, {}, true},
        ReadBackCase{"WrongPassword", kDay, kDay, ReadBack::Refused, {}, false},
        ReadBackCase{"WrongPasswordOnADayWithoutSales", kNoSales, kNoSales, ReadBack::Refused, {}, false},
        ReadBackCase{"EmptyDayClosed", kNoSales, totals(128, 0), ReadBack::Closed, {}, true},
        ReadBackCase{"WrongPasswordThenASale",
                     kDay,
                     totals(128, 235060, {"9:14:120050", "17:31:115010"}),
                     ReadBack::Unknown,
                     {},
                     false},
        ReadBackCase{"EmptyDayWrongPasswordThenASale",
                     kNoSales,
                     totals(128, 188, {"17:1:188"}),
                     ReadBack::Unknown,
                     {},
                     false},
        ReadBackCase{"NetZeroWrongPassword", kNetZero, kNetZero, ReadBack::Refused, {}, false},
        ReadBackCase{"NetZeroClosed", kNetZero, totals(128, 0), ReadBack::Closed, {}, true},
        ReadBackCase{"RefundsRefused", kRefunds, kRefunds, ReadBack::Refused, {}, false},
        ReadBackCase{"RefundsClosed", kRefunds, totals(128, 0), ReadBack::Closed, {}, true},
        ReadBackCase{"SaleClearedUnread", kDay, totals(129, 0), ReadBack::Closed, std::pair(128, 128), true},
        ReadBackCase{"SalesClearedUnread", kDay, totals(131, 0), ReadBack::Closed, std::pair(128, 130), true},
        ReadBackCase{"SoldAfterTheClose", kDay, totals(129, 188, {"17:1:188"}), ReadBack::Closed, {}, true},
        ReadBackCase{"CloseWithoutANumber", kDay, totals(127, 0), ReadBack::Closed, {}, true},
        // Nothing to tell a close from a refusal on such a scale: nothing was cleared either way.
        ReadBackCase{"EmptyDayCloseWithoutANumber", kNoSales, kNoSales, ReadBack::Refused, {}, false},
        ReadBackCase{"CountsFellUnderTheSameNumber",
                     kDay,
                     totals(127, 188, {"17:1:188"}),
                     ReadBack::Unknown,
                     {},
                     std::nullopt},
        ReadBackCase{"NumberWentBack",
                     kDay,
                     totals(5, 234872, {"9:14:120050", "17:30:114822"}),
                     ReadBack::Unknown,
                     {},
                     std::nullopt}),
    testcases::caseName);

} // namespace
