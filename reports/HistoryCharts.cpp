#include "reports/HistoryCharts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace reports {

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
        shares.emplace_back(name, double(sales) / 100.0);
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
