#include "reports/HistoryCharts.h"

#include "text/DateTimeText.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>

namespace reports {

namespace {

// The archive's hundredths become currency units only here, for drawing.
double units(int64_t hundredths) {
    return double(hundredths) / 100.0;
}

} // namespace

ValueTicks niceTicks(double low, double high, int most) {
    most = std::max(most, 2);
    if (!(high > low))
        high = low + 1;
    const double span = high - low;
    double power = std::pow(10.0, std::floor(std::log10(span / (most - 1))));
    constexpr std::array<double, 3> kMultiples{1, 2, 5};
    size_t multiple = 0;
    for (;;) {
        const double step = kMultiples[multiple] * power;
        const double first = std::floor(low / step + 1e-9);
        const double last = std::ceil(high / step - 1e-9);
        if (last - first + 1 <= most) {
            ValueTicks ticks;
            for (double k = first; k <= last; ++k)
                ticks.at.push_back(k * step);
            ticks.decimals = std::max(0, -int(std::floor(std::log10(step) + 1e-9)));
            return ticks;
        }
        if (++multiple == kMultiples.size()) {
            multiple = 0;
            power *= 10;
        }
    }
}

QString tickLabel(double value, int decimals) {
    // A tick a rounding away from zero is zero, not "-0".
    return QLocale().toString(std::abs(value) < 1e-9 ? 0.0 : value, 'f', decimals);
}

BarSeries daySeries(const std::vector<std::pair<QDate, int64_t>>& days, const QString& currency) {
    BarSeries series;
    series.categoryTitle = QCoreApplication::translate("HistoryWindow", "Day");
    series.valueTitle = amountAxisTitle(currency);
    if (days.empty()) {
        series.title =
            QCoreApplication::translate("HistoryWindow", "Total per day: no reports in this period");
        return series;
    }
    series.title = QCoreApplication::translate("HistoryWindow", "Total per day");
    const QString format = regionalDayMonthFormat();
    auto add = [&](QDate day, int64_t total) {
        series.labels << QLocale().toString(day, format);
        series.values.push_back(units(total));
    };
    if (days.size() <= size_t(kMostDayBars)) {
        for (const auto& [day, total] : days)
            add(day, total);
        return series;
    }
    auto listed = days.begin();
    for (QDate day = days.front().first; day <= days.back().first; day = day.addDays(1)) {
        const bool reported = listed != days.end() && listed->first == day;
        add(day, reported ? listed->second : 0);
        listed += reported;
    }
    return series;
}

BarSeries hourSeries(const store::ReportFigures* figures, const QString& currency) {
    BarSeries series{QCoreApplication::translate("HistoryWindow", "Sales by hour"),
                     QCoreApplication::translate("HistoryWindow", "Hour"),
                     amountAxisTitle(currency),
                     {},
                     {}};
    if (!figures)
        return series;
    // Every second hour: twenty-four numbers side by side leave none room to be read.
    for (int h = 0; h < store::kArchiveHours; ++h) {
        series.labels << (h % 2 == 0 ? QString::number(h) : QString());
        series.values.push_back(units(figures->hourAmounts[size_t(h)]));
    }
    return series;
}

BarSeries clerkSeries(const store::ReportFigures* figures, const QStringList& names,
                      const QString& currency) {
    BarSeries series{QCoreApplication::translate("HistoryWindow", "Clerks' shares"),
                     {},
                     amountAxisTitle(currency),
                     {},
                     {}};
    if (!figures)
        return series;
    for (const auto& [name, sales] : clerkShares(*figures, names)) {
        series.labels << name;
        series.values.push_back(sales);
    }
    return series;
}

std::vector<std::pair<QString, double>> clerkShares(const store::ReportFigures& figures,
                                                    const QStringList& names) {
    std::vector<std::pair<QString, double>> shares;
    for (int n = 0; n < store::kArchiveClerks; ++n) {
        const int64_t sales = figures.clerks[size_t(n)].sales;
        if (sales <= 0)
            continue;
        QString name = names.value(n).trimmed();
        if (name.isEmpty())
            name = QCoreApplication::translate("HistoryWindow", "CLERK %1").arg(n + 1);
        shares.emplace_back(name, units(sales));
    }
    return shares;
}

QString amountAxisTitle(const QString& currency) {
    const QString sales = QCoreApplication::translate("HistoryWindow", "Sales");
    const QString unit = currency.trimmed();
    return unit.isEmpty() ? sales : QStringLiteral("%1 (%2)").arg(sales, unit);
}

std::pair<double, double> amountRange(const std::vector<double>& values) {
    double low = 0, high = 0;
    for (double value : values)
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    if (high <= low)
        high = low + 1;
    return {low, high};
}

} // namespace reports
