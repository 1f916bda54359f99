#include "cli/ReportCommands.h"

#include "reports/ReportText.h"

#include <ostream>

namespace {

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
    const bool complete = reports::writeReport(
        line, request.zClose ? reports::zReportLabels() : reports::salesReportLabels(),
        [] { return QDateTime::currentDateTime(); }, [&lines](const QString& text) { lines << text; });
    // A report that read nothing leaves an earlier file of the same name as it was.
    if (!lines.isEmpty() && !writeText(run, request.outPattern, lines)) {
        run.err << "I/O Error!\n";
        return kExitIoError;
    }
    if (!complete)
        return kExitCommunication;
    if (request.zClose && !reports::closeZ(line, request.password))
        return kExitCommunication;
    return kExitOk;
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
