// The clock's display form and its bytes on the wire, both ways, without any range check.
#include "settings/ClockTime.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockTime, PcTimeShowsDayFirstAndGoesYearFirst) {
    HeldTime t = heldTimeFrom(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 20, 123)));
    EXPECT_EQ(clockDisplayText(t), "06-12-26 09:05:20");
    EXPECT_EQ(t.milliseconds, 123);
    EXPECT_EQ(t.dayOfWeek, 0); // a Sunday
    std::array<uint8_t, 6> expected{0x1A, 0x0C, 0x06, 0x09, 0x05, 0x14};
    EXPECT_EQ(clockBytes(t), expected);
}

TEST(ClockTime, ScaleBytesAreTakenAsTheyCome) {
    HeldTime t = heldTimeFrom(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6)));
    takeClockBytes({0x1A, 0x0C, 0x1F, 0x17, 0x3B, 0x3A}, t);
    EXPECT_EQ(clockDisplayText(t), "31-12-26 23:59:58");
    EXPECT_EQ(t.milliseconds, 6); // kept from before

    takeClockBytes({0xC3, 0x0D, 0x00, 0x63, 0x00, 0xFF}, t);
    EXPECT_EQ(clockDisplayText(t), "00-13-195 99:00:255");
    std::array<uint8_t, 6> back{0xC3, 0x0D, 0x00, 0x63, 0x00, 0xFF};
    EXPECT_EQ(clockBytes(t), back);
}

TEST(ClockTime, YearsBeyond2255WrapInTheYearByte) {
    HeldTime t;
    t.year = 2256;
    EXPECT_EQ(clockBytes(t)[0], 0);
}

} // namespace
