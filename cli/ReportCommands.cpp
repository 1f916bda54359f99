#include "cli/ReportCommands.h"

#include "reports/ReportText.h"

#include <ostream>

namespace {

// Every figure by name, amounts in hundredths: the names of the sales archive's columns.
QJsonObject figuresObject(const reports::ReportFigures& figures) {
    const reports::ReportTotals& t = figures.totals;
    QJsonObject object{{"document", t.docNumber}, {"grand_total", t.grandTotal}};
    for (int n = 0; n < reports::kTaxSlots; ++n)
        object[QStringLiteral("tax%1").arg(n + 1)] = t.taxTotals[size_t(n)];
    for (int h = 0; h < reports::kHours; ++h) {
        object[QStringLiteral("hour%1_amount").arg(h)] = t.hourAmounts[size_t(h)];
        object[QStringLiteral("hour%1_count").arg(h)] = t.hourCounts[size_t(h)];
    }
    for (int n = 0; n < reports::kClerks; ++n) {
        const reports::ClerkTotals& c = figures.clerks[size_t(n)];
        const QString clerk = QStringLiteral("clerk%1_").arg(n + 1);
        object[clerk + "sales"] = c.salesTotal;
        object[clerk + "operations"] = c.operations;
        object[clerk + "cancel_total"] = c.cancelTotal;
        object[clerk + "cancel_count"] = c.cancelCount;
        object[clerk + "clients"] = c.clients;
        object[clerk + "cash"] = c.cashTotal;
        object[clerk + "credit"] = c.creditTotal;
        object[clerk + "discount_count"] = c.discountCount;
        object[clerk + "discount_total"] = c.discountTotal;
    }
    return object;
}

struct ReportRequest {
    bool zClose = false;
    uint32_t password = 0;
    std::string outPattern;
};

// The text where it was asked for: false when it could not be written.
bool writeText(PortRun& run, const std::string& outPattern, const QStringList& lines) {
    if (!outPattern.empty())
        return reports::saveReportFile(QString::fromLocal8Bit(outputPath(outPattern, run.portName)), lines);
    for (const QString& line : lines)
        run.out << line.toStdString() << '\n';
    run.out.flush();
    return bool(run.out);
}

int runReport(PortRun& run, const ReportRequest& request) {
    const ScaleLine line = reportingLine(run);
    QStringList lines;
    reports::ReportFigures figures;
    const bool complete = reports::writeReport(
        line, request.zClose ? reports::zReportLabels() : reports::salesReportLabels(),
        [] { return QDateTime::currentDateTime(); }, [&lines](const QString& text) { lines << text; },
        &figures);
    // A report that read nothing leaves an earlier file of the same name as it was.
    if (!lines.isEmpty() && !writeText(run, request.outPattern, lines)) {
        run.err << "I/O Error!\n";
        return kExitIoError;
    }
    if (!complete)
        return kExitCommunication;
    run.result = figuresObject(figures);
    run.result[QLatin1String("kind")] = request.zClose ? "Z" : "X";
    const bool closed = request.zClose && reports::closeZ(line, request.password);
    run.result[QLatin1String("closed")] = closed;
    return closed || !request.zClose ? kExitOk : kExitCommunication;
}

} // namespace

ParseResult parseReport(const std::vector<std::string>& args) {
    ReportRequest request;
    bool passwordGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--z") {
            request.zClose = true;
        } else if (args[i] == "--password" && i + 1 < args.size()) {
            auto value = parseNumber(args[++i], 10, 0, 99999);
            if (!value)
                return kExitUsage;
            request.password = static_cast<uint32_t>(*value);
            passwordGiven = true;
        } else if (args[i] == "-o" && i + 1 < args.size()) {
            request.outPattern = args[++i];
        } else {
            return kExitUsage;
        }
    }
    if (passwordGiven && !request.zClose)
        return kExitUsage;
    return Job{[request](PortRun& run) { return runReport(run, request); }, true, request.outPattern};
}
