// The scale's settings as one plain record: what the SETTINGS tab shows, what the settings file
// holds, and what the transfers to and from the scale carry. The tab copies its controls into a
// record and back; the command-line tool works on a record alone. Values are kept the way the
// controls keep them: texts as typed (converted only when sent or saved), spin values already
// pulled into their ranges, the clerk mode as a selected item index (-1 for none).
#pragma once

#include "text/SpinRange.h"

#include <QString>
#include <array>
#include <cstdint>

constexpr int kClerkNameCount = 4;
constexpr int kHeaderLineCount = 6;
constexpr int kFooterLineCount = 2;
constexpr int kReceiptLineCount = kHeaderLineCount + kFooterLineCount;
constexpr int kDepartmentNameCount = 40;
constexpr int kTaxRateCount = 8;
constexpr int kClerkModeCount = 5;

// Spin-field ranges; a value read from a file or the scale is pulled into them.
constexpr SpinRange kLanRange{0, 99};
constexpr SpinRange kAutoOffRange{0, 240};
constexpr SpinRange kDiscountRange{0, 99};
constexpr SpinRange kDrawerRange{1, 99};

// Bits of printFlags, one per print option.
enum PrintFlag : uint8_t {
    PrintReceipt = 0x01,
    PrintDuplicate = 0x02,
    PrintGraphicLogo = 0x04,
    PrintSingleBar = 0x08,
    PrintTotalBar = 0x10,
    ObligatoryPaid = 0x20,
    PrintDiscount = 0x40,
    PrintPluCode = 0x80,
};

struct Settings {
    int clerkMode = 0; // item index 0..4, -1 when none is selected
    uint8_t printFlags = 0;
    QString singleBarcode; // single-item barcode format
    QString totalBarcode;
    QString baudRate; // read as a whole number when sent
    int lanNumber = 0;
    int autoOffMinutes = 0;
    int discountPercent = 0;
    int drawerTime = 1;
    QString darkness; // read as a whole number when sent
    QString currency;
    QString rate; // a decimal number in the regional notation, sent in hundredths
    bool printAllReports = false;
    bool printTax = false;
    std::array<QString, kClerkNameCount> clerks;
    std::array<QString, kReceiptLineCount> receiptLines; // header lines 1 to 6, then footer 1 and 2
    std::array<QString, kDepartmentNameCount> departments;
    std::array<QString, kTaxRateCount> taxes; // percent, decimal numbers in the regional notation

    bool operator==(const Settings&) const = default;
};

// The clerk mode as the combo box keeps it: an index outside its five items selects nothing.
int clerkModeIndex(int value);

// The factory rate, "4.00" in the regional notation: RATE's start text and DEFAULT's value, which
// the program's own conversion must take back on the first SEND.
QString factoryRate();

// DEFAULT: the factory values of everything but the clerk mode and the tax rates, which stay.
void applyFactoryDefaults(Settings& settings);
// The names the clerk fields show at start and after DEFAULT.
extern const std::array<QString, kClerkNameCount> kSampleClerkNames;

// A decimal text times 100, rounded to the nearest whole number with a tie going to the even
// neighbour. Throws ConversionError for a text that is no decimal number, and for one whose
// hundredths are too large to be counted at all.
int64_t hundredthsOf(const QString& text);

// The tax grid's check of every keystroke: empty, or a regional decimal number up to 99.99.
bool taxCellAccepted(const QString& text);
// Hundredths as the shortest decimal text to 15 significant digits, with the regional separator
// and no trailing zeros (400 -> "4", 725 -> "7.25", -1 -> "-0.01").
QString decimalFromHundredths(int64_t hundredths);
