// The scale's report memory as the PC reads it with command 0x43: the overall totals and the totals
// of the four clerks, each decoded from a block of bytes the scale copies out of its memory; and the
// Z close (command 0x44) that ends the day with the scale's password.
//
// The emulated scale keeps structures of the same names for its own side of this memory, so the
// PC's decoded view lives in a namespace of its own.
#pragma once

#include "link/Command.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace reports {

constexpr uint8_t kReadReportBlockCommand = 0x43;
constexpr uint8_t kCloseZCommand = 0x44;

constexpr uint16_t kTotalsAddress = 0x0800;
constexpr uint8_t kTotalsLength = 192;
constexpr uint16_t kFirstClerkAddress = 0x0900;
constexpr uint8_t kClerkLength = 80;
constexpr int kClerks = 4;
constexpr int kTaxSlots = 9;
constexpr int kHours = 24;

using Block = std::vector<uint8_t>;

// The overall totals. Amounts are signed hundredths of the currency unit, counts unsigned.
struct ReportTotals {
    int32_t docNumber = 0;
    int32_t grandTotal = 0;
    std::array<int32_t, kTaxSlots> taxTotals{}; // tax 1 to 9
    std::array<int32_t, kHours> hourAmounts{};  // hour 0 to 23
    std::array<uint16_t, kHours> hourCounts{};

    // From a block of kTotalsLength bytes (its last four bytes are not used).
    static ReportTotals decode(const Block& block);

    bool operator==(const ReportTotals&) const = default;
    // Nothing booked since the last close: every figure but the document number is 0.
    bool empty() const;
};

// The totals of one clerk.
struct ClerkTotals {
    int32_t salesTotal = 0;
    uint16_t operations = 0;
    int32_t cancelTotal = 0;
    uint16_t cancelCount = 0;
    uint16_t clients = 0;
    int32_t cashTotal = 0;
    int32_t creditTotal = 0;
    uint16_t discountCount = 0;
    int32_t discountTotal = 0;

    // From a block of kClerkLength bytes (bytes 28 on are not used).
    static ClerkTotals decode(const Block& block);
};

// Where clerk 1 to 4 keeps its totals: 0x0900, 0x0950, 0x09A0, 0x09F0.
uint16_t clerkAddress(int clerk);

// One 0x43 exchange: `length` bytes of report memory from `address`, taken byte by byte from the
// reply. Nothing when the exchange failed (the line has reported it).
std::optional<Block> readReportBlock(const ScaleLine& line, uint16_t address, uint8_t length);
std::optional<ReportTotals> readReportTotals(const ScaleLine& line);
std::optional<ClerkTotals> readClerkTotals(const ScaleLine& line, int clerk);

// The Z close with the password as one 32-bit value, high byte first. True when the exchange
// succeeded; whether the scale accepted the password is the scale's business.
bool closeZ(const ScaleLine& line, uint32_t password);

// What the totals read back after a close say about it.
enum class ReadBack {
    Closed,  // the report's figures are gone: the totals cleared, or holding only later sales
    Refused, // the totals exactly as before: the scale did nothing (a wrong password)
    Unknown, // anything else: only the scale's own display can tell
};

// A read-back judged, with the documents a close cleared without their sales ever being read: the
// document number moved on by more than the close itself while the totals read zero.
struct ReadBackVerdict {
    ReadBack readBack = ReadBack::Unknown;
    std::optional<std::pair<int32_t, int32_t>> clearedUnread; // first and last document
};

// The one rule that decides a close from the figures, not from one of them: `before` are the totals
// the close was sent over, `after` those read back. Closed when the totals are cleared (all 0 but the
// document number, which moved on or, on a scale that does not number its closes, stayed with
// figures that were not 0) or when, under a new document number, an hour's sale count fell below the
// report's (counts only grow until a close clears them: what is there was sold after it). Refused when
// nothing changed at all, a day without sales included. Anything else is Unknown. The close itself is
// taken to use one document number: a cleared day whose number moved by more names the ones between.
ReadBackVerdict judgeReadBack(const ReportTotals& before, const ReportTotals& after);

// An earlier close left unknown, settled by the totals the scale shows now: true when they no longer
// hold the figures of the report it followed (it was closed), false when they still hold them (the
// same, or grown by later sales: it was not), none when they say neither.
std::optional<bool> settleClose(const ReportTotals& reported, const ReportTotals& now);

// What became of a Z close checked against the scale's totals before and after it.
enum class CloseOutcome {
    Closed,           // the totals read back as a day closed (and already so before: nothing sent)
    SalesSinceReport, // the totals no longer are the report's: nothing was sent
    NotClosed,        // the scale still holds the report's day exactly: refused (a wrong password)
    Unknown,          // the totals read back say neither: check on the scale
    LineFailed,       // an exchange failed; the line has reported it, and whether the day was closed
                      // is not known until the totals are read again
};

struct CloseResult {
    CloseOutcome outcome = CloseOutcome::LineFailed;
    std::optional<std::pair<int32_t, int32_t>> clearedUnread; // see ReadBackVerdict
};

// Whether the scale's answer says if the day was closed: only then is the outcome noted in the archive.
inline bool outcomeKnown(CloseOutcome outcome) {
    return outcome == CloseOutcome::Closed || outcome == CloseOutcome::NotClosed;
}

// The Z close after a report whose totals were `reported`: reads the totals again and sends the close
// only when they are unchanged (a sale booked since would be cleared unread), then reads them once
// more and judges them with judgeReadBack. The close is sent in one attempt, never repeated: after a
// lost answer the totals read back decide (Closed), or the outcome stays unknown (LineFailed). Totals
// read before the close that settle the report's own close as done (OK pressed again after a lost
// answer) give Closed, and nothing is sent. The password is never judged here. Two reads more than the
// close alone.
CloseResult verifiedCloseZ(const ScaleLine& line, const ReportTotals& reported, uint32_t password);

} // namespace reports
