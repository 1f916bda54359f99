#include "settings/SettingsTransfer.h"

#include "text/CodePage.h"
#include "text/Numbers.h"

namespace {
constexpr uint8_t kEuroByte = 0x80;
// Offset of the rate within the settings record, and the record's length.
constexpr int kRateOffset = 50;
constexpr size_t kSettingsRecordBytes = 56;
constexpr size_t kTaxTableBytes = 2 * kTaxRateCount;

// The text of a control as it goes on the wire.
void putControlText(FrameLink& link, const QString& text, uint8_t width) {
    link.putText(toCp1250(text), width);
}

QString takeText(FrameLink& link, uint8_t width) {
    return fromCp1250(link.getText(width));
}

// One exchange that sends an index and a text: clerks, receipt lines and departments.
bool sendIndexedText(const ScaleLine& line, uint8_t code, int index, const QString& text, uint8_t width) {
    line.link.clear();
    line.link.putByte(static_cast<uint8_t>(index));
    putControlText(line.link, text, width);
    return line.runCommand(code);
}

// One exchange that asks for an indexed text and takes it; false when it failed.
bool loadIndexedText(const ScaleLine& line, uint8_t code, int index, QString& text, uint8_t width) {
    line.link.clear();
    line.link.putByte(static_cast<uint8_t>(index));
    line.link.expectReply(width + 1);
    if (!line.runCommand(code))
        return false;
    text = takeText(line.link, width);
    return true;
}
} // namespace

std::string currencyBytes(const QString& currency) {
    return currency == QLatin1String("EUR") ? std::string(1, static_cast<char>(kEuroByte))
                                            : toCp1250(currency);
}

QString euroSign() {
    return fromCp1250(std::string(1, static_cast<char>(kEuroByte)));
}

void putSettingsRecord(FrameLink& link, const Settings& s) {
    // Every conversion first, so that a text that does not convert leaves the buffer as it was.
    int32_t baud = strToInt(s.baudRate);
    int32_t darkness = strToInt(s.darkness);
    int64_t rate = hundredthsOf(s.rate);
    link.clear();
    link.putByte(static_cast<uint8_t>(s.clerkMode));
    link.putByte(s.printFlags);
    putControlText(link, s.singleBarcode, kBarcodeWidth);
    putControlText(link, s.totalBarcode, kBarcodeWidth);
    link.putLong(static_cast<uint32_t>(baud));
    link.putByte(static_cast<uint8_t>(s.lanNumber));
    link.putWord(static_cast<uint16_t>(s.autoOffMinutes));
    link.putByte(static_cast<uint8_t>(s.discountPercent));
    link.putByte(static_cast<uint8_t>(s.drawerTime));
    link.putByte(static_cast<uint8_t>(darkness));
    link.putText(currencyBytes(s.currency), kCurrencyWidth);
    link.putLong(static_cast<uint32_t>(rate));
    link.putByte(s.printAllReports ? 1 : 0);
    link.putByte(s.printTax ? 1 : 0);
}

void putTaxTable(FrameLink& link, const Settings& s) {
    std::array<int64_t, kTaxRateCount> rates{};
    for (int t = 0; t < kTaxRateCount; ++t)
        rates[size_t(t)] = hundredthsOf(s.taxes[size_t(t)]);
    link.clear();
    for (int64_t rate : rates)
        link.putWord(static_cast<uint16_t>(rate));
}

void takeSettingsRecord(FrameLink& link, Settings& s) {
    s.clerkMode = clerkModeIndex(link.getByte());
    s.printFlags = link.getByte();
    s.singleBarcode = takeText(link, kBarcodeWidth);
    s.totalBarcode = takeText(link, kBarcodeWidth);
    s.baudRate = QString::number(link.getLong());
    s.lanNumber = kLanRange.pull(link.getByte());
    s.autoOffMinutes = kAutoOffRange.pull(link.getWord());
    s.discountPercent = kDiscountRange.pull(link.getByte());
    s.drawerTime = kDrawerRange.pull(link.getByte());
    s.darkness = QString::number(link.getByte());
    s.currency = takeText(link, kCurrencyWidth);
    s.rate = decimalFromHundredths(link.getLong());
    s.printAllReports = (link.getByte() & 1) != 0;
    s.printTax = (link.getByte() & 1) != 0;
}

bool sendSettings(const ScaleLine& line, const Settings& s) {
    putSettingsRecord(line.link, s);
    if (!line.runCommand(kSendSettingsCommand))
        return false;
    for (int i = 0; i < kClerkNameCount; ++i)
        if (!sendIndexedText(line, kSendClerkCommand, i, s.clerks[size_t(i)], kClerkNameWidth))
            return false;
    for (int n = 1; n <= kReceiptLineCount; ++n)
        if (!sendIndexedText(line, kSendLineCommand, n, s.receiptLines[size_t(n - 1)], kReceiptLineWidth))
            return false;
    for (int d = 0; d < kDepartmentNameCount; ++d)
        if (!sendIndexedText(line, kSendDepartmentCommand, d, s.departments[size_t(d)], kDepartmentWidth))
            return false;
    putTaxTable(line.link, s);
    return line.runCommand(kSendTaxesCommand);
}

bool loadSettings(const ScaleLine& line, Settings& s) {
    line.link.clear();
    line.link.expectReply(kSettingsRecordBytes);
    if (!line.runCommand(kReadSettingsCommand))
        return false;
    takeSettingsRecord(line.link, s);
    for (int i = 0; i < kClerkNameCount; ++i)
        if (!loadIndexedText(line, kReadClerkCommand, i, s.clerks[size_t(i)], kClerkNameWidth))
            return false;
    for (int n = 1; n <= kReceiptLineCount; ++n)
        if (!loadIndexedText(line, kReadLineCommand, n, s.receiptLines[size_t(n - 1)], kReceiptLineWidth))
            return false;
    for (int d = 0; d < kDepartmentNameCount; ++d)
        if (!loadIndexedText(line, kReadDepartmentCommand, d, s.departments[size_t(d)], kDepartmentWidth))
            return false;
    // The tax request is not built afresh: it repeats the last department request's payload, the
    // single byte 39, and the scale expects exactly that.
    line.link.expectReply(kTaxTableBytes);
    if (!line.runCommand(kReadTaxesCommand))
        return false;
    for (QString& tax : s.taxes)
        tax = decimalFromHundredths(line.link.getWord());
    return true;
}

std::optional<int32_t> readScaleRate(const ScaleLine& line) {
    line.link.clear();
    line.link.expectReply(kSettingsRecordBytes);
    if (!line.runCommand(kReadSettingsCommand))
        return std::nullopt;
    // runCommand has taken the two leading reply bytes; skip to the rate within the record.
    for (int i = 0; i < kRateOffset; ++i)
        line.link.getByte();
    return line.link.getLong();
}
