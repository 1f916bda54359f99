#include "sim/ScaleState.h"

#include <algorithm>
#include <cstring>

namespace {

uint8_t* putAt(uint8_t* at, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        *at++ = static_cast<uint8_t>(value >> (8 * i));
    return at;
}

template <typename Int> uint32_t raw(Int value) {
    return static_cast<uint32_t>(value);
}

} // namespace

void putBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t getBigEndian(const uint8_t* in, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | in[i];
    return value;
}

std::string fieldText(const uint8_t* field, size_t size) {
    const uint8_t* end = std::find(field, field + size, 0);
    return std::string(field, end);
}

std::array<uint8_t, kPluRecordSize> PluRecord::encode() const {
    std::array<uint8_t, kPluRecordSize> out{};
    uint8_t* at = putAt(out.data(), raw(price), 4);
    at = putAt(at, raw(code), 4);
    *at++ = department;
    *at++ = taxGroup;
    *at++ = flags;
    at = std::copy(name.begin(), name.end(), at);
    at = putAt(at, raw(validDate), 2);
    at = putAt(at, raw(quantity), 4);
    at = putAt(at, raw(total), 4);
    putAt(at, raw(count), 2);
    return out;
}

void PluRecord::decodeWritable(const uint8_t* bytes) {
    price = static_cast<int32_t>(getBigEndian(bytes, 4));
    code = static_cast<int32_t>(getBigEndian(bytes + 4, 4));
    department = bytes[8];
    taxGroup = bytes[9];
    flags = bytes[10];
    std::copy(bytes + 11, bytes + 42, name.begin());
    validDate = static_cast<int16_t>(getBigEndian(bytes + 42, 2));
}

std::array<uint8_t, kReportTotalsSize> ReportTotals::encode() const {
    std::array<uint8_t, kReportTotalsSize> out{};
    uint8_t* at = putAt(out.data(), raw(docNumber), 4);
    at = putAt(at, raw(grandTotal), 4);
    for (int32_t v : taxTotals)
        at = putAt(at, raw(v), 4);
    for (int32_t v : hourAmounts)
        at = putAt(at, raw(v), 4);
    for (uint16_t v : hourCounts)
        at = putAt(at, v, 2);
    std::copy(reserved.begin(), reserved.end(), at);
    return out;
}

std::array<uint8_t, kClerkTotalsSize> ClerkTotals::encode() const {
    std::array<uint8_t, kClerkTotalsSize> out{};
    uint8_t* at = putAt(out.data(), raw(salesTotal), 4);
    at = putAt(at, operations, 2);
    at = putAt(at, raw(cancelTotal), 4);
    at = putAt(at, cancelCount, 2);
    at = putAt(at, clients, 2);
    at = putAt(at, raw(cashTotal), 4);
    at = putAt(at, raw(creditTotal), 4);
    at = putAt(at, discountCount, 2);
    at = putAt(at, raw(discountTotal), 4);
    std::copy(reserved.begin(), reserved.end(), at);
    return out;
}

void ScaleState::setCalibration(bool on) {
    status = on ? (status | kCalibrationStatusBit) : (status & ~kCalibrationStatusBit);
}

std::vector<uint8_t> ScaleState::readMemory(uint32_t address, size_t length) const {
    // The known blocks laid out as one image; everything else reads as zero.
    constexpr uint32_t imageStart = kReportTotalsAddress;
    constexpr uint32_t imageEnd = kClerkTotalsAddress + kClerkCount * kClerkTotalsSize;
    std::array<uint8_t, imageEnd - imageStart> image{};
    auto totals = report.encode();
    std::copy(totals.begin(), totals.end(), image.begin());
    for (int n = 0; n < kClerkCount; ++n) {
        auto block = clerkTotals[n].encode();
        std::copy(block.begin(), block.end(),
                  image.begin() + (kClerkTotalsAddress - imageStart) + n * kClerkTotalsSize);
    }
    std::vector<uint8_t> out(length, 0);
    for (size_t i = 0; i < length; ++i) {
        uint32_t at = address + static_cast<uint32_t>(i);
        if (at >= imageStart && at < imageEnd)
            out[i] = image[at - imageStart];
    }
    return out;
}

void ScaleState::closeDay() {
    int32_t next = report.docNumber + 1;
    report = ReportTotals{};
    report.docNumber = next;
    clerkTotals = {};
    for (PluRecord& plu : plus) {
        plu.quantity = 0;
        plu.total = 0;
        plu.count = 0;
    }
}

namespace {

struct SampleItem {
    int number;
    int32_t price;
    int32_t code;
    uint8_t department;
    uint8_t tax;
    uint8_t flags;
    const char* name;
    int16_t validDays;
    int32_t quantity;
    int16_t sales;
};

// Prices in hundredths per kilogram, or per piece for NW (flag bit 0) items; quantities in grams
// or pieces.
constexpr SampleItem kSampleItems[] = {
    {1, 249, 1001, 1, 2, 0x00, "APPLES GOLDEN", 14, 12500, 14},
    {2, 179, 1002, 1, 2, 0x00, "BANANAS", 7, 8350, 11},
    {3, 329, 1003, 2, 2, 0x00, "TOMATOES VINE", 5, 6120, 9},
    {4, 1290, 2001, 4, 1, 0x00, "GOUDA CHEESE", 30, 2480, 7},
    {5, 35, 3001, 5, 2, 0x01, "BREAD ROLL", 1, 42, 6},
    {10, 1899, 4001, 3, 1, 0x02, "SMOKED HAM", 10, 1730, 5},
    {11, 899, 4002, 3, 1, 0x04, "CHICKEN BREAST", 4, 3310, 8},
    {20, 2450, 5001, 7, 1, 0x00, "SALMON FILLET", 2, 960, 3},
};

constexpr const char* kDepartmentNames[] = {"FRUIT",  "VEGETABLES", "MEAT", "CHEESE",
                                            "BAKERY", "DELI",       "FISH", "DAIRY"};

} // namespace

ScaleState defaultScaleState() {
    ScaleState state;
    for (const SampleItem& item : kSampleItems) {
        PluRecord& plu = state.plus[item.number];
        plu.price = item.price;
        plu.code = item.code;
        plu.department = item.department;
        plu.taxGroup = item.tax;
        plu.flags = item.flags;
        plu.name = textField<31>(item.name);
        plu.validDate = item.validDays;
        plu.quantity = item.quantity;
        plu.count = item.sales;
        // Weighed items: quantity in grams times the price per kilogram.
        int64_t amount = (item.flags & 1) ? int64_t{item.quantity} * item.price
                                          : (int64_t{item.quantity} * item.price + 500) / 1000;
        plu.total = static_cast<int32_t>(amount);
    }

    std::vector<uint8_t> settings;
    settings.push_back(0);    // clerk mode
    settings.push_back(0x05); // print receipt and logo
    for (auto text : {"21CCCCCWWWWWK", "22CCCCCPPPPPK"}) {
        auto field = textField<17>(text);
        settings.insert(settings.end(), field.begin(), field.end());
    }
    putBigEndian(settings, 9600, 4);
    settings.push_back(1);         // LAN number
    putBigEndian(settings, 30, 2); // auto-off minutes
    settings.push_back(0);         // discount
    settings.push_back(5);         // drawer time
    settings.push_back(3);         // darkness
    auto currency = textField<4>("\x80");
    settings.insert(settings.end(), currency.begin(), currency.end());
    putBigEndian(settings, 100, 4); // rate 1.00
    settings.push_back(1);
    settings.push_back(1);
    std::copy(settings.begin(), settings.end(), state.settings.begin());

    const char* clerkNames[] = {"ANNA", "PETER", "MARIA", "JAN"};
    for (int i = 0; i < kClerkCount; ++i)
        state.clerks[i] = textField<17>(clerkNames[i]);
    const char* lineTexts[] = {
        "FRESH MARKET", "MAIN STREET 12",   "12345 SPRINGFIELD", "TEL 0123 456789", "", "",
        "THANK YOU",    "PLEASE COME AGAIN"};
    for (int i = 0; i < kLineCount; ++i)
        state.lines[i] = textField<33>(lineTexts[i]);
    for (int d = 0; d < kDepartmentCount; ++d) {
        std::string name = d < 8 ? kDepartmentNames[d] : "DEPT " + std::to_string(d + 1);
        state.departments[d] = textField<17>(name);
    }
    state.taxes = {2000, 700, 500, 0, 0, 0, 0, 0};

    std::vector<uint8_t> system{8, 15, 5, 32};
    putBigEndian(system, 1, 2);
    putBigEndian(system, 1000, 2);
    system.push_back(0x02);
    putBigEndian(system, 97994, 4);
    putBigEndian(system, 97994, 4);
    system.push_back(10);
    putBigEndian(system, 6000, 4);
    system.push_back(1);
    system.push_back(3);
    putBigEndian(system, 0, 4);
    std::copy(system.begin(), system.end(), state.systemParameters.begin());

    // A day's trade from 8 to 18 o'clock, shared among the clerks and taxes.
    ReportTotals& report = state.report;
    report.docNumber = 127;
    for (int h = 8; h <= 18; ++h) {
        report.hourCounts[h] = static_cast<uint16_t>(6 + (h * 7) % 11);
        report.hourAmounts[h] = report.hourCounts[h] * (1450 + 37 * h);
        report.grandTotal += report.hourAmounts[h];
    }
    report.taxTotals[0] = report.grandTotal / 2;
    report.taxTotals[1] = report.grandTotal / 3;
    report.taxTotals[2] = report.grandTotal - report.taxTotals[0] - report.taxTotals[1];
    int32_t remaining = report.grandTotal;
    for (int n = 0; n < kClerkCount; ++n) {
        ClerkTotals& clerk = state.clerkTotals[n];
        clerk.salesTotal = n == kClerkCount - 1 ? remaining : report.grandTotal * (4 - n) / 10;
        remaining -= clerk.salesTotal;
        clerk.clients = static_cast<uint16_t>(20 + 7 * n);
        clerk.operations = static_cast<uint16_t>(clerk.clients * 3);
        clerk.cancelCount = static_cast<uint16_t>(n);
        clerk.cancelTotal = 215 * n;
        clerk.discountCount = static_cast<uint16_t>(n % 2);
        clerk.discountTotal = 150 * (n % 2);
        clerk.creditTotal = clerk.salesTotal / 4;
        clerk.cashTotal = clerk.salesTotal - clerk.creditTotal;
    }
    return state;
}
