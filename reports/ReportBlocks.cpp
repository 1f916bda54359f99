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

namespace {

// Whether any hour's sale count of `now` fell below that of `reported`.
bool countsFell(const ReportTotals& reported, const ReportTotals& now) {
    for (int h = 0; h < kHours; ++h)
        if (now.hourCounts[size_t(h)] < reported.hourCounts[size_t(h)])
            return true;
    return false;
}

} // namespace

ReadBackVerdict judgeReadBack(const ReportTotals& before, const ReportTotals& after) {
    if (after == before)
        return {ReadBack::Refused, std::nullopt};
    if (after.empty() && (!before.empty() || after.docNumber != before.docNumber)) {
        ReadBackVerdict verdict{ReadBack::Closed, std::nullopt};
        const int64_t moved = int64_t(after.docNumber) - before.docNumber;
        if (moved > 1)
            verdict.clearedUnread = std::pair(before.docNumber + 1, after.docNumber - 1);
        return verdict;
    }
    if (after.docNumber != before.docNumber && countsFell(before, after))
        return {ReadBack::Closed, std::nullopt};
    return {ReadBack::Unknown, std::nullopt};
}

std::optional<bool> settleClose(const ReportTotals& reported, const ReportTotals& now) {
    switch (judgeReadBack(reported, now).readBack) {
    case ReadBack::Closed:
        return true;
    case ReadBack::Refused:
        return false;
    case ReadBack::Unknown:
        break;
    }
    // Still there, grown by later sales: the document number and every count went on from the report's.
    if (now.docNumber >= reported.docNumber && !countsFell(reported, now))
        return false;
    return std::nullopt;
}

CloseResult verifiedCloseZ(const ScaleLine& line, const ReportTotals& reported, uint32_t password) {
    const std::optional<ReportTotals> before = readReportTotals(line);
    if (!before)
        return {CloseOutcome::LineFailed, std::nullopt};
    if (!(*before == reported)) {
        // Totals that no longer hold the report's: the day was closed already, by a close whose answer
        // was lost (OK pressed again) or at the scale; otherwise sales were made since the report.
        if (settleClose(reported, *before) == std::optional<bool>(true))
            return {CloseOutcome::Closed, std::nullopt};
        return {CloseOutcome::SalesSinceReport, std::nullopt};
    }
    // The close goes out once: sent again after a lost answer it would close again (taking another
    // document number, or clearing the first sales after the close). The totals tell what happened.
    const int attempts = line.link.attemptLimit;
    line.link.attemptLimit = 1;
    const bool answered = closeZ(line, password);
    line.link.attemptLimit = attempts;
    const std::optional<ReportTotals> after = readReportTotals(line);
    if (!after)
        return {CloseOutcome::LineFailed, std::nullopt};
    const ReadBackVerdict verdict = judgeReadBack(*before, *after);
    // Unanswered and not closed: whether the scale ever saw it is not known; the next reading settles it.
    if (!answered && verdict.readBack != ReadBack::Closed)
        return {CloseOutcome::LineFailed, std::nullopt};
    switch (verdict.readBack) {
    case ReadBack::Closed:
        return {CloseOutcome::Closed, verdict.clearedUnread};
    case ReadBack::Refused:
        return {CloseOutcome::NotClosed, std::nullopt};
    case ReadBack::Unknown:
        break;
    }
    return {CloseOutcome::Unknown, std::nullopt};
}

} // namespace reports
