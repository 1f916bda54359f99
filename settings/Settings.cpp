#include "settings/Settings.h"

#include "text/Numbers.h"

#include <cmath>

const std::array<QString, kClerkNameCount> kSampleClerkNames = {
    QStringLiteral("ANNA"), QStringLiteral("PETER"), QStringLiteral("MARTA"), QStringLiteral("JOHN")};

int clerkModeIndex(int value) {
    return value >= 0 && value < kClerkModeCount ? value : -1;
}

QString factoryRate() {
    return formatFixed(4, 2);
}

void applyFactoryDefaults(Settings& s) {
    s.printFlags =
        PrintReceipt | PrintGraphicLogo | PrintSingleBar | PrintTotalBar | PrintDiscount | PrintPluCode;
    s.singleBarcode = QStringLiteral("a44W5U5");
    s.totalBarcode = QStringLiteral("a44W5P5");
    s.baudRate = QStringLiteral("115200");
    s.lanNumber = 0;
    s.autoOffMinutes = 0;
    s.discountPercent = 0;
    s.drawerTime = 50;
    s.darkness = QStringLiteral("3");
    s.currency = QStringLiteral("Z\u0142 "); // the bytes 5A B3 20 in code page 1250
    s.rate = factoryRate();
    s.printAllReports = false;
    s.printTax = true;
    s.clerks = kSampleClerkNames;
    s.receiptLines = {QStringLiteral("~7HEADER MESSAGE"),
                      QStringLiteral("12345678901234567890123456789012"),
                      QStringLiteral("~0KLO VELDRAN ~1KLO VELDRAN"),
                      QStringLiteral("~2VELDRAN ~3VELDRAN"),
                      QStringLiteral("~4KLO VELDRAN ~5KLO VELDRAN"),
                      QStringLiteral("~6VELDRAN ~7VELDRAN"),
                      QStringLiteral("~7FOOTER MESSAGE"),
                      QStringLiteral("12345678901234567890123456789012")};
    for (int d = 0; d < kDepartmentNameCount; ++d)
        s.departments[size_t(d)] = QStringLiteral("GROUP %1").arg(d);
}

bool taxCellAccepted(const QString& text) {
    constexpr double highestTaxRate = 99.99;
    return decimalTextAtMost(text, highestTaxRate) || text.isEmpty();
}

int64_t hundredthsOf(const QString& text) {
    double hundredths = strToFloat(text) * 100;
    // Beyond 2^62 a double has no whole-number neighbours worth rounding to; such a "rate" is no
    // rate at all, so it is refused like a text that is no number rather than sent as garbage bits.
    if (!(std::fabs(hundredths) < 4.6e18))
        throw notAFloat(text);
    return roundHalfEven(hundredths);
}

QString decimalFromHundredths(int64_t hundredths) {
    QString text = QString::number(static_cast<double>(hundredths) / 100, 'g', 15);
    text.replace(QLatin1Char('.'), regionalDecimalSeparator());
    return text;
}
