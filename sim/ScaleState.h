// The memory of the emulated scale: everything the PC can read or write over the link, kept in the
// shapes the wire uses (big-endian numbers, texts as fixed NUL-padded fields), so that a test can
// compare what the PC sent with what the scale holds byte for byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int kMaxPlu = 1800;
constexpr size_t kPluRecordSize = 54;
constexpr size_t kPluWritableSize = 44;
constexpr size_t kSettingsSize = 56;
constexpr size_t kSystemParametersSize = 28;
constexpr int kClerkCount = 4;
constexpr int kLineCount = 8;
constexpr int kDepartmentCount = 40;
constexpr int kTaxCount = 8;
constexpr size_t kLogoRowBytes = 48;
constexpr size_t kLogoMaxRows = 250;
constexpr size_t kLogoSize = 1 + kLogoRowBytes * kLogoMaxRows;

// Report memory as the 0x43 reads see it.
constexpr uint16_t kReportTotalsAddress = 0x0800;
constexpr size_t kReportTotalsSize = 192;
constexpr uint16_t kClerkTotalsAddress = 0x0900;
constexpr size_t kClerkTotalsSize = 80;

// Status bit the scale raises while it is in calibration mode.
constexpr uint8_t kCalibrationStatusBit = 0x04;

// One PLU. A negative price marks an absent PLU.
struct PluRecord {
    int32_t price = -1;
    int32_t code = 0;
    uint8_t department = 0;
    uint8_t taxGroup = 0;
    uint8_t flags = 0;
    std::array<uint8_t, 31> name{};
    int16_t validDate = 0;
    int32_t quantity = 0;
    int32_t total = 0;
    int16_t count = 0;

    bool present() const { return price >= 0; }
    std::array<uint8_t, kPluRecordSize> encode() const;
    // Takes the first 44 bytes (price to valid date); the sales counters stay.
    void decodeWritable(const uint8_t* bytes);
};

struct ReportTotals {
    int32_t docNumber = 0;
    int32_t grandTotal = 0;
    std::array<int32_t, 9> taxTotals{};
    std::array<int32_t, 24> hourAmounts{};
    std::array<uint16_t, 24> hourCounts{};
    std::array<uint8_t, 4> reserved{};

    std::array<uint8_t, kReportTotalsSize> encode() const;
};

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
    std::array<uint8_t, 52> reserved{};

    std::array<uint8_t, kClerkTotalsSize> encode() const;
};

// The little cash register behind the keypad: a unit price typed on the digit keys, the weight on
// the platter (set by tests or the demo), and the total the display shows.
struct RegisterState {
    int32_t weightGrams = 750;
    int32_t tareGrams = 0;
    int32_t unitPrice = 0; // hundredths per kilogram
    int32_t entry = 0;     // digits typed since the last function key
    bool shift = false;
};

template <size_t N> using TextField = std::array<uint8_t, N>;

struct ScaleState {
    // The whole status byte; bit 2 is calibration mode.
    uint8_t status = 0;
    // Any bytes; the identity reply carries the first 33 of them, NUL-padded.
    std::string identity = "SCALE SIM 15KG V1.63";
    std::vector<PluRecord> plus = std::vector<PluRecord>(kMaxPlu + 1);
    std::array<uint8_t, kSettingsSize> settings{};
    std::array<TextField<17>, kClerkCount> clerks{};
    std::array<TextField<33>, kLineCount> lines{}; // 1 to 6 header, 7 and 8 footer
    std::array<TextField<17>, kDepartmentCount> departments{};
    std::array<int16_t, kTaxCount> taxes{}; // hundredths of a percent
    std::array<uint8_t, kSystemParametersSize> systemParameters{};
    int64_t clockOffsetSeconds = 0; // added to the host's clock
    ReportTotals report;
    std::array<ClerkTotals, kClerkCount> clerkTotals{};
    uint32_t password = 0;
    std::array<uint8_t, kLogoSize> logo{};
    RegisterState terminal;

    bool calibration() const { return (status & kCalibrationStatusBit) != 0; }
    void setCalibration(bool on);

    // Report memory from `address`, `length` bytes; zeros outside the known blocks.
    std::vector<uint8_t> readMemory(uint32_t address, size_t length) const;
    // The end-of-day close: sales totals to zero, the next document number.
    void closeDay();
};

// A believable scale: a few PLUs with sales, named clerks and departments, a receipt header,
// tax rates and a report memory with a day's trade.
ScaleState defaultScaleState();

// w + 1 bytes: the text cut to w or padded with NULs, then a NUL.
template <size_t N> TextField<N> textField(std::string_view text) {
    TextField<N> field{};
    for (size_t i = 0; i < text.size() && i + 1 < N; ++i)
        field[i] = static_cast<uint8_t>(text[i]);
    return field;
}
// The characters of a field up to its first NUL.
std::string fieldText(const uint8_t* field, size_t size);

// Big-endian helpers shared by the encoders and the command handlers.
void putBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes);
uint32_t getBigEndian(const uint8_t* in, int bytes);
