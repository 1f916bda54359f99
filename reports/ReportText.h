// The sales report as text, one value per line, and its text file. The same 17 reads make the
// report of the REPORTS tab and the Z report that precedes a Z close; only some labels differ.
#pragma once

#include "reports/ReportBlocks.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace reports {

// The texts in front of each value (tabs included); the rest of a line is the value.
struct ReportLabels {
    QString title;        // followed directly by the date and time
    QString docNumber;    // document number
    QString total;        // grand total
    QString taxHeading;   // heading of the tax lines
    QString tax;          // followed by the tax number, two wide, then three tabs
    QString clerkHeading; // followed by the clerk number
    QString clients;
    QString operations;
    QString clerkTotal; // a clerk's sales
    QString cancelCount;
    QString cancelTotal;
    QString discountCount;
    QString discountTotal;
    QString cash;
    QString credit;
    QString clerksHeading; // heading of the three sums over the clerks
    QString cashSum;       // sum of the clerks' cash
    QString creditSum;     // sum of the clerks' credit
};

// The REPORT button's labels, and the Z report's German ones.
const ReportLabels& salesReportLabels();
const ReportLabels& zReportLabels();

// An amount in hundredths as the report writes it: two decimals, the regional decimal separator,
// no grouping, exact for any 64-bit sum ("-0.05", "123.45").
QString formatAmount(int64_t hundredths);
// A number right-aligned in two characters ("%2.d": " 0", " 7", "12").
QString twoWide(int number);
// The regional short date, a blank and the long time; the date alone at exactly midnight.
QString reportTimestamp(const QDateTime& now);

// The figures a complete report sequence read: the totals and each clerk's first read.
struct ReportFigures {
    ReportTotals totals;
    std::array<ClerkTotals, kClerks> clerks;
};

// The exchanges of one report sequence: the totals, the clerks, and the clerks three times more.
constexpr int kReportExchangeCount = 1 + kClerks + 3 * kClerks;

// The report sequence: reads the totals, the four clerks and the four clerks three times more for
// the sums (kReportExchangeCount exchanges), handing every line to appendLine as soon as it is made. The date
// line takes the time from clock once the totals have arrived, however long their read took. It
// stops at the first failed exchange, the lines made so far handed on. True when every read
// succeeded, and then `figures` (when given) holds what was read.
bool writeReport(const ScaleLine& line, const ReportLabels& labels, const std::function<QDateTime()>& clock,
                 const std::function<void(const QString&)>& appendLine, ReportFigures* figures = nullptr);

// The report file: every line in code page 1250 followed by CR LF, the last too; no lines, no bytes.
QByteArray reportFileBytes(const QStringList& lines);
// Writes the file as text/OutputFile does: a failed save leaves an earlier file as it was.
bool saveReportFile(const QString& path, const QStringList& lines);

} // namespace reports
