#include "reports/ReportText.h"

#include "text/CodePage.h"
#include "text/DateTimeText.h"
#include "text/Numbers.h"

#include <QSaveFile>
#include <cstdlib>

namespace reports {

namespace {

const QString kTab = QStringLiteral("\t");
const QString kHeadingRule = QStringLiteral("----------------------- ");
// The first sum over the clerks keeps this label in the Z report too.
const QString kSalesSumLabel = QStringLiteral("TOTAL\t\t\t");

ReportLabels makeSalesLabels() {
    ReportLabels l;
    l.title = kHeadingRule + QStringLiteral("REPORT ");
    l.docNumber = QStringLiteral("DOC NUM\t\t");
    l.total = QStringLiteral("TOTAL\t\t\t");
    l.taxHeading = kHeadingRule + QStringLiteral("TOTALS BY TAX");
    l.tax = QStringLiteral("TAX");
    l.clerkHeading = kHeadingRule + QStringLiteral("CLERK ");
    l.clients = QStringLiteral("CLIENTS\t\t\t");
    l.operations = QStringLiteral("OPERATIONS\t\t");
    l.clerkTotal = QStringLiteral("TOTAL\t\t\t");
    l.cancelCount = QStringLiteral("COUNT CANCEL\t\t");
    l.cancelTotal = QStringLiteral("TOTAL CANCEL\t\t");
    l.discountCount = QStringLiteral("COUNT DISCOUNT\t\t");
    l.discountTotal = QStringLiteral("TOTAL DISCOUNT\t\t");
    l.cash = QStringLiteral("CASH\t\t\t");
    l.credit = QStringLiteral("CREDIT\t\t\t");
    l.clerksHeading = kHeadingRule + QStringLiteral("CLERKS TOTAL");
    l.cashSum = QStringLiteral("TOTAL CASH\t\t");
    l.creditSum = QStringLiteral("TOTAL CREDIT\t\t");
    return l;
}

ReportLabels makeZLabels() {
    ReportLabels l;
    l.title = kHeadingRule + QStringLiteral("Berichte ");
    l.docNumber = QStringLiteral("DOC NUM\t\t\t");
    l.total = QStringLiteral("Summe\t\t\t");
    l.taxHeading = kHeadingRule + QStringLiteral("Summe BY MwSt");
    l.tax = QStringLiteral("MwSt");
    l.clerkHeading = kHeadingRule + QStringLiteral("Verk\u00e4ufer ");
    l.clients = QStringLiteral("Kunden\t\t\t");
    l.operations = QStringLiteral("Operationen\t\t");
    l.clerkTotal = QStringLiteral("Summe\t\t\t");
    l.cancelCount = QStringLiteral("Anzahl Storno\t\t");
    l.cancelTotal = QStringLiteral("Summe Storno\t\t");
    l.discountCount = QStringLiteral("Anzahl Rabatt\t\t");
    l.discountTotal = QStringLiteral("Summe Rabatt\t\t");
    l.cash = QStringLiteral("Bar \t\t\t");
    l.credit = QStringLiteral("Kredit \t\t\t");
    l.clerksHeading = kHeadingRule + QStringLiteral("TOTAL-BERICHT");
    l.cashSum = QStringLiteral("TOTAL BAR\t\t");
    l.creditSum = QStringLiteral("TOTAL KREDIT\t\t");
    return l;
}

// The sum of one amount over the four clerks, each clerk read afresh: nothing when a read failed.
std::optional<int64_t> sumOverClerks(const ScaleLine& line, int32_t ClerkTotals::*amount) {
    int64_t sum = 0;
    for (int clerk = 1; clerk <= kClerks; ++clerk) {
        std::optional<ClerkTotals> totals = readClerkTotals(line, clerk);
        if (!totals)
            return std::nullopt;
        sum += (*totals).*amount;
    }
    return sum;
}

} // namespace

const ReportLabels& salesReportLabels() {
    static const ReportLabels labels = makeSalesLabels();
    return labels;
}

const ReportLabels& zReportLabels() {
    static const ReportLabels labels = makeZLabels();
    return labels;
}

QString formatAmount(int64_t hundredths) {
    // Integer arithmetic throughout: a sum over the clerks may exceed what a double shows exactly
    // after a division by 100.
    uint64_t magnitude =
        hundredths < 0 ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    QString text = hundredths < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / 100);
    text += regionalDecimalSeparator();
    text += QString::number(magnitude % 100).rightJustified(2, QLatin1Char('0'));
    return text;
}

QString twoWide(int number) {
    return QString::number(number).rightJustified(2, QLatin1Char(' '));
}

QString reportTimestamp(const QDateTime& now) {
    const QTime time = now.time();
    QString text = regionalShortDate(now.date());
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += QLatin1Char(' ') + regionalLongTime(time);
    return text;
}

bool writeReport(const ScaleLine& line, const ReportLabels& labels, const QDateTime& now,
                 const std::function<void(const QString&)>& appendLine) {
    std::optional<ReportTotals> totals = readReportTotals(line);
    if (!totals)
        return false;
    appendLine(labels.title + reportTimestamp(now));
    appendLine(QString());
    appendLine(labels.docNumber + QString::number(totals->docNumber));
    appendLine(labels.total + formatAmount(totals->grandTotal));
    appendLine(labels.taxHeading);
    for (int tax = 1; tax <= kTaxSlots; ++tax) {
        int32_t amount = totals->taxTotals[size_t(tax - 1)];
        if (amount != 0)
            appendLine(labels.tax + twoWide(tax) + QStringLiteral("\t\t\t") + formatAmount(amount));
    }
    appendLine(QString());
    appendLine(kHeadingRule + QStringLiteral("TOTALS BY TIME"));
    for (int hour = 0; hour < kHours; ++hour) {
        uint16_t count = totals->hourCounts[size_t(hour)];
        if (count != 0)
            appendLine(twoWide(hour) + QStringLiteral("h\t\t\t") + QString::number(count) + kTab +
                       formatAmount(totals->hourAmounts[size_t(hour)]));
    }
    appendLine(QString());

    for (int clerk = 1; clerk <= kClerks; ++clerk) {
        std::optional<ClerkTotals> c = readClerkTotals(line, clerk);
        if (!c)
            return false;
        appendLine(labels.clerkHeading + QString::number(clerk));
        appendLine(labels.clients + QString::number(c->clients));
        appendLine(labels.operations + QString::number(c->operations));
        appendLine(labels.clerkTotal + formatAmount(c->salesTotal));
        appendLine(labels.cancelCount + QString::number(c->cancelCount));
        appendLine(labels.cancelTotal + formatAmount(c->cancelTotal));
        appendLine(labels.discountCount + QString::number(c->discountCount));
        appendLine(labels.discountTotal + formatAmount(c->discountTotal));
        appendLine(labels.cash + formatAmount(c->cashTotal));
        appendLine(labels.credit + formatAmount(c->creditTotal));
        appendLine(QString());
    }

    appendLine(labels.clerksHeading);
    const std::pair<const QString*, int32_t ClerkTotals::*> sums[] = {
        {&kSalesSumLabel, &ClerkTotals::salesTotal},
        {&labels.cashSum, &ClerkTotals::cashTotal},
        {&labels.creditSum, &ClerkTotals::creditTotal},
    };
    for (const auto& [label, amount] : sums) {
        std::optional<int64_t> sum = sumOverClerks(line, amount);
        if (!sum)
            return false;
        appendLine(*label + formatAmount(*sum));
    }
    return true;
}

QByteArray reportFileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& text : lines) {
        std::string encoded = toCp1250(text);
        bytes.append(encoded.data(), qsizetype(encoded.size()));
        bytes.append("\r\n");
    }
    return bytes;
}

bool saveReportFile(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes = reportFileBytes(lines);
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace reports
