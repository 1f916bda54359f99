// What the HISTORY window's charts show, worked out without widgets: a bar per day, per hour or per
// clerk under its label, the titles with the currency, and a value axis of round ticks in the
// regional number format. The window's BarChart only lays these out and draws them.
#pragma once

#include "store/SalesArchive.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace reports {

// Up to this many days the total per day is a bar per listed day (one day is one bar); a longer
// period is a bar per calendar day from its first report to its last, so the days lie along the axis
// as on a calendar and a day without reports stands empty.
constexpr int kMostDayBars = 7;

// A chart's bars: one value per label; a bar with an empty label stands unlabelled. With no values
// the chart shows its title only.
struct BarSeries {
    QString title;
    QString categoryTitle;
    QString valueTitle;
    QStringList labels;
    std::vector<double> values;
};

// Ticks for a value axis holding [low, high]: round steps (1, 2 or 5 times a power of ten) from a
// multiple of the step at or below low to one at or above high, at most `most` of them (at least 2),
// and the decimals a tick's label needs.
struct ValueTicks {
    std::vector<double> at;
    int decimals = 0;
};
ValueTicks niceTicks(double low, double high, int most);

// A tick's label in the regional number format.
QString tickLabel(double value, int decimals);

// The grand total per day (dailyTotals), dates as day and month in the regional format.
BarSeries daySeries(const std::vector<std::pair<QDate, int64_t>>& days, const QString& currency);
// A report's sales in each hour of the day, every second hour labelled; no bars without a report.
BarSeries hourSeries(const store::ReportFigures* figures, const QString& currency);
// A report's sales by clerk (clerkShares); no bars without a report.
BarSeries clerkSeries(const store::ReportFigures* figures, const QStringList& names, const QString& currency);

// Each clerk with sales (a positive total) and the sales in currency units, under the clerk's name
// from `names` (the SETTINGS tab's clerk names); a clerk without a name is "CLERK n".
std::vector<std::pair<QString, double>> clerkShares(const store::ReportFigures& figures,
                                                    const QStringList& names);

// The title of an amount axis: "Sales" followed by the currency in brackets when there is one.
QString amountAxisTitle(const QString& currency);

// A range for a value axis that holds every value and zero and is never empty or undefined: the
// values may all be zero, or none at all.
std::pair<double, double> amountRange(const std::vector<double>& values);

} // namespace reports
