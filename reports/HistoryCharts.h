// What the HISTORY window's charts show, worked out without widgets: the clerks' shares under their
// names, the axis titles with the currency, and value ranges a chart can always draw.
#pragma once

#include "store/SalesArchive.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace reports {

// Up to this many days the total per day is drawn as a bar per day (one day is one bar); a longer
// period as a line over a date axis.
constexpr int kMostDayBars = 7;

// Each clerk with sales (a positive total) and the sales in currency units, under the clerk's name
// from `names` (the SETTINGS tab's clerk names); a clerk without a name is "CLERK n".
std::vector<std::pair<QString, double>> clerkShares(const store::ReportFigures& figures,
                                                    const QStringList& names);

// The title of an amount axis: "Sales" followed by the currency in brackets when there is one.
QString amountAxisTitle(const QString& currency);

// A range for a value axis that holds every value and zero and is never empty or undefined: the
// values may all be zero, or none at all (a chart's axis over nothing is [nan, nan]).
std::pair<double, double> amountRange(const std::vector<double>& values);

} // namespace reports
