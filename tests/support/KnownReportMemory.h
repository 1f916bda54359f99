// A report memory whose every value tests something: taxes that are zero and one that is negative,
// sales in hour 0 and hour 23, an hour with an amount but no count, counts of 0xFFFF, clerk amounts
// whose sums over the four clerks leave the 32-bit range, and unused bytes that are not zero.
#pragma once

#include "sim/ScaleState.h"

#include <limits>

inline void fillKnownReportMemory(ScaleState& state) {
    ReportTotals& report = state.report;
    report = ReportTotals{};
    report.docNumber = 4711;
    report.grandTotal = 123456;
    report.taxTotals = {100000, 0, -250, 0, 0, 0, 0, 0, 1250};
    report.hourCounts[0] = 1;
    report.hourAmounts[0] = 5;
    report.hourCounts[9] = 14;
    report.hourAmounts[9] = 23140;
    report.hourAmounts[12] = 999; // no count: the hour is left out
    report.hourCounts[23] = 0xFFFF;
    report.hourAmounts[23] = -5;
    report.reserved.fill(0xAA);
    for (int n = 0; n < kClerkCount; ++n) {
        ClerkTotals& clerk = state.clerkTotals[size_t(n)];
        clerk.salesTotal = std::numeric_limits<int32_t>::max();
        clerk.operations = static_cast<uint16_t>(10 + n);
        clerk.cancelTotal = -100 * n;
        clerk.cancelCount = static_cast<uint16_t>(n);
        clerk.clients = n == 3 ? 0xFFFF : static_cast<uint16_t>(5 + n);
        clerk.cashTotal = std::numeric_limits<int32_t>::min();
        clerk.creditTotal = 1000 * (n + 1);
        clerk.discountCount = static_cast<uint16_t>(2 * n);
        clerk.discountTotal = 50 * n;
        clerk.reserved.fill(0xFF);
    }
}
