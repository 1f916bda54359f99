#include "sim/ScaleTerminal.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int32_t kMaxEntry = 999999;

int32_t netGrams(const RegisterState& reg) {
    return reg.weightGrams - reg.tareGrams;
}

int32_t totalHundredths(const RegisterState& reg) {
    int64_t product = int64_t{netGrams(reg)} * reg.unitPrice;
    int64_t rounded = (std::llabs(product) + 500) / 1000;
    return static_cast<int32_t>(product < 0 ? -rounded : rounded);
}

// Seven display cells, right-aligned, with at least one digit before the decimal places. A value
// too wide for the display shows dashes, as the scale does on overflow.
void putLine(uint8_t* cells, int32_t value, int decimals) {
    char text[16];
    int width = std::snprintf(text, sizeof text, "%0*ld", decimals + 1, static_cast<long>(std::labs(value)));
    bool negative = value < 0;
    if (width + (negative ? 1 : 0) > 7) {
        for (int i = 0; i < 7; ++i)
            cells[i] = '-';
        return;
    }
    int pad = 7 - width - (negative ? 1 : 0);
    for (int i = 0; i < pad; ++i)
        cells[i] = ' ';
    if (negative)
        cells[pad++] = '-';
    for (int i = 0; i < width; ++i)
        cells[pad + i] = static_cast<uint8_t>(text[i]);
}

void bookSale(ScaleState& state, int32_t amount, int hourOfDay) {
    ReportTotals& report = state.report;
    report.grandTotal += amount;
    report.taxTotals[0] += amount;
    if (hourOfDay >= 0 && hourOfDay < 24) {
        report.hourAmounts[hourOfDay] += amount;
        ++report.hourCounts[hourOfDay];
    }
    ++report.docNumber;
    ClerkTotals& clerk = state.clerkTotals[0];
    clerk.salesTotal += amount;
    clerk.cashTotal += amount;
    ++clerk.operations;
    ++clerk.clients;
}

} // namespace

void pressKey(ScaleState& state, uint8_t key, int hourOfDay) {
    RegisterState& reg = state.terminal;
    if (key >= '0' && key <= '9') {
        if (reg.entry <= kMaxEntry / 10)
            reg.entry = reg.entry * 10 + (key - '0');
        reg.unitPrice = reg.entry;
        return;
    }
    switch (key) {
    case '.': // the "00" key
        if (reg.entry <= kMaxEntry / 100)
            reg.entry *= 100;
        reg.unitPrice = reg.entry;
        break;
    case 'g': // "<=": takes back the last digit typed
        reg.entry /= 10;
        reg.unitPrice = reg.entry;
        break;
    case 'C':
        reg.entry = 0;
        reg.unitPrice = 0;
        break;
    case 'P':
        if (reg.entry <= kMaxPlu && state.plus[reg.entry].present())
            reg.unitPrice = state.plus[reg.entry].price;
        reg.entry = 0;
        break;
    case 'Z':
        reg.weightGrams = 0;
        reg.tareGrams = 0;
        break;
    case 'T':
        reg.tareGrams = reg.tareGrams != 0 ? 0 : reg.weightGrams;
        break;
    case 's':
        reg.shift = !reg.shift;
        break;
    case 'S': {
        int32_t amount = totalHundredths(reg);
        if (amount > 0)
            bookSale(state, amount, hourOfDay);
        reg.entry = 0;
        reg.unitPrice = 0;
        break;
    }
    default:
        break;
    }
}

std::array<uint8_t, kDisplayDataSize> displayData(const ScaleState& state) {
    const RegisterState& reg = state.terminal;
    std::array<uint8_t, kDisplayDataSize> data{};
    putLine(&data[1], netGrams(reg), 3);
    putLine(&data[9], reg.unitPrice, 2);
    putLine(&data[17], totalHundredths(reg), 2);
    data[24] = 3;
    data[25] = 2;
    data[26] = 2;
    uint8_t weighing = 0x01; // STAB: the simulated platter is always steady
    if (reg.weightGrams == 0 && reg.tareGrams == 0)
        weighing |= 0x02; // ZERO
    if (reg.tareGrams != 0)
        weighing |= 0x08; // NET
    if (state.calibration())
        weighing |= 0x20; // MODE
    data[27] = weighing;
    data[28] = reg.shift ? 0x02 : 0x00;
    return data;
}
