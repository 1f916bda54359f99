#include "reports/ReportBlocks.h"

#include <cassert>

namespace reports {

namespace {

// Reads the big-endian fields of a block one after another.
class BlockReader {
public:
    explicit BlockReader(const Block& block) : block(block) {}

    uint32_t next(int width) {
        assert(at + size_t(width) <= block.size());
        uint32_t value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | block[at++];
        return value;
    }
    int32_t amount() { return static_cast<int32_t>(next(4)); }
    uint16_t count() { return static_cast<uint16_t>(next(2)); }

private:
    const Block& block;
    size_t at = 0;
};

} // namespace

ReportTotals ReportTotals::decode(const Block& block) {
    BlockReader reader(block);
    ReportTotals totals;
    totals.docNumber = reader.amount();
    totals.grandTotal = reader.amount();
    for (int32_t& tax : totals.taxTotals)
        tax = reader.amount();
    for (int32_t& amount : totals.hourAmounts)
        amount = reader.amount();
    for (uint16_t& count : totals.hourCounts)
        count = reader.count();
    return totals;
}

bool ReportTotals::empty() const {
    ReportTotals zero;
    zero.docNumber = docNumber;
    return *this == zero;
}

ClerkTotals ClerkTotals::decode(const Block& block) {
    BlockReader reader(block);
    ClerkTotals clerk;
    clerk.salesTotal = reader.amount();
    clerk.operations = reader.count();
    clerk.cancelTotal = reader.amount();
    clerk.cancelCount = reader.count();
    clerk.clients = reader.count();
    clerk.cashTotal = reader.amount();
    clerk.creditTotal = reader.amount();
    clerk.discountCount = reader.count();
    clerk.discountTotal = reader.amount();
    return clerk;
}

uint16_t clerkAddress(int clerk) {
    return static_cast<uint16_t>(kFirstClerkAddress + kClerkLength * (clerk - 1));
}

std::optional<Block> readReportBlock(const ScaleLine& line, uint16_t address, uint8_t length) {
    line.link.clear();
    line.link.putWord(address);
    line.link.putByte(length);
    line.link.expectReply(length);
    if (!line.runCommand(kReadReportBlockCommand))
        return std::nullopt;
    Block block(length);
    for (uint8_t& byte : block)
        byte = line.link.getByte();
    return block;
}

std::optional<ReportTotals> readReportTotals(const ScaleLine& line) {
    std::optional<Block> block = readReportBlock(line, kTotalsAddress, kTotalsLength);
    if (!block)
        return std::nullopt;
    return ReportTotals::decode(*block);
}

std::optional<ClerkTotals> readClerkTotals(const ScaleLine& line, int clerk) {
    std::optional<Block> block = readReportBlock(line, clerkAddress(clerk), kClerkLength);
    if (!block)
        return std::nullopt;
    return ClerkTotals::decode(*block);
}

bool closeZ(const ScaleLine& line, uint32_t password) {
    line.link.clear();
    line.link.putLong(password);
    return line.runCommand(kCloseZCommand);
}

CloseOutcome verifiedCloseZ(const ScaleLine& line, const ReportTotals& reported, uint32_t password) {
    const std::optional<ReportTotals> before = readReportTotals(line);
    if (!before)
        return CloseOutcome::LineFailed;
    if (!(*before == reported)) {
        // Totals cleared since the report: the day was closed already, by a close whose answer was
        // lost (OK pressed again) or at the scale. There is nothing left to close.
        if (before->empty() && !reported.empty())
            return CloseOutcome::Closed;
        return CloseOutcome::SalesSinceReport;
    }
    if (!closeZ(line, password))
        return CloseOutcome::LineFailed;
    const std::optional<ReportTotals> after = readReportTotals(line);
    if (!after)
        return CloseOutcome::LineFailed;
    const bool dayStillOpen = after->docNumber == reported.docNumber && after->grandTotal != 0;
    return dayStillOpen ? CloseOutcome::NotClosed : CloseOutcome::Closed;
}

} // namespace reports
