#include "reports/ReportText.h"

#include "text/CodePage.h"
#include "text/DateTimeText.h"
#include "text/Numbers.h"
#include "text/OutputFile.h"

namespace reports {

namespace {

const QString kTab = QStringLiteral("\t");
// The first sum over the clerks keeps this label in the Z report too.
const QString kSalesSumLabel = QStringLiteral("TOTAL\t\t\t");

// Every label in the sales report and in the Z report, side by side.
struct LabelTexts {
    QString ReportLabels::*label;
    const char* sales;
    const char* z;
};

const LabelTexts kLabelTexts[] = {
    {&ReportLabels::title, "----------------------- REPORT ", "----------------------- Berichte "},
    {&ReportLabels::docNumber, "DOC NUM\t\t", "DOC NUM\t\t\t"},
    {&ReportLabels::total, "TOTAL\t\t\t", "Summe\t\t\t"},
    {&ReportLabels::taxHeading, "----------------------- TOTALS BY TAX",
     "----------------------- Summe BY MwSt"},
    {&ReportLabels::tax, "TAX", "MwSt"},
    {&ReportLabels::clerkHeading, "----------------------- CLERK ",
     "----------------------- Verk\u00e4ufer "},
    {&ReportLabels::clients, "CLIENTS\t\t\t", "Kunden\t\t\t"},
    {&ReportLabels::operations, "OPERATIONS\t\t", "Operationen\t\t"},
    {&ReportLabels::clerkTotal, "TOTAL\t\t\t", "Summe\t\t\t"},
    {&ReportLabels::cancelCount, "COUNT CANCEL\t\t", "Anzahl Storno\t\t"},
    {&ReportLabels::cancelTotal, "TOTAL CANCEL\t\t", "Summe Storno\t\t"},
    {&ReportLabels::discountCount, "COUNT DISCOUNT\t\t", "Anzahl Rabatt\t\t"},
    {&ReportLabels::discountTotal, "TOTAL DISCOUNT\t\t", "Summe Rabatt\t\t"},
    {&ReportLabels::cash, "CASH\t\t\t", "Bar \t\t\t"},
    {&ReportLabels::credit, "CREDIT\t\t\t", "Kredit \t\t\t"},
    {&ReportLabels::clerksHeading, "----------------------- CLERKS TOTAL",
     "----------------------- TOTAL-BERICHT"},
    {&ReportLabels::cashSum, "TOTAL CASH\t\t", "TOTAL BAR\t\t"},
    {&ReportLabels::creditSum, "TOTAL CREDIT\t\t", "TOTAL KREDIT\t\t"},
};

ReportLabels makeLabels(const char* LabelTexts::*variant) {
    ReportLabels labels;
    for (const LabelTexts& texts : kLabelTexts)
        labels.*texts.label = QString::fromUtf8(texts.*variant);
    return labels;
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
    static const ReportLabels labels = makeLabels(&LabelTexts::sales);
    return labels;
}

const ReportLabels& zReportLabels() {
    static const ReportLabels labels = makeLabels(&LabelTexts::z);
    return labels;
}

QString formatAmount(int64_t hundredths) {
    QString text = QString::fromLatin1(formatHundredths(hundredths));
    text.replace(QLatin1Char('.'), regionalDecimalSeparator());
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

bool writeReport(const ScaleLine& line, const ReportLabels& labels, const std::function<QDateTime()>& clock,
                 const std::function<void(const QString&)>& appendLine, ReportFigures* figures) {
    std::optional<ReportTotals> totals = readReportTotals(line);
    if (!totals)
        return false;
    ReportFigures read{*totals, {}};
    appendLine(labels.title + reportTimestamp(clock()));
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
    appendLine(QStringLiteral("----------------------- TOTALS BY TIME"));
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
        read.clerks[size_t(clerk - 1)] = *c;
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
    if (figures)
        *figures = read;
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
    return writeOutputFile(path, reportFileBytes(lines)).isEmpty();
}

} // namespace reports
