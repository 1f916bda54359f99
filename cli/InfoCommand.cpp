#include "cli/InfoCommand.h"

#include "cli/SettingsCommands.h"
#include "text/CodePage.h"

#include <QJsonArray>
#include <ostream>

namespace {

// The set bits of the status byte by name, lowest first.
QJsonArray statusBits(uint8_t status) {
    QJsonArray names;
    for (int bit = 0; bit < 8; ++bit)
        if (status & (1u << bit))
            names.append((1u << bit) == kCalibrationBit ? QStringLiteral("calibration")
                                                        : QStringLiteral("bit%1").arg(bit));
    return names;
}

int runInfo(PortRun& run) {
    const ScaleLine line = reportingLine(run);
    const std::optional<std::string> identity = requestIdentity(line);
    if (!identity)
        return kExitCommunication;
    const uint8_t status = run.link.replyBuffer[0];
    HeldTime time;
    if (!readClock(line, time))
        return kExitCommunication;
    const QJsonObject clock = clockResult(time, QDateTime::currentDateTime());
    const QJsonArray bits = statusBits(status);
    run.result = {
        {"identity", fromCp1250(*identity)}, {"status", status}, {"status_bits", bits}, {"clock", clock}};

    QString names;
    for (const QJsonValue& name : bits)
        names += QLatin1Char(' ') + name.toString();
    const QJsonValue difference = clock[QLatin1String("difference")];
    run.out << "identity: " << fromCp1250(*identity).toStdString() << '\n'
            << "status: " << QStringLiteral("%1").arg(status, 2, 16, QLatin1Char('0')).toUpper().toStdString()
            << names.toStdString() << '\n'
            << "clock: " << clockDisplayText(time).toStdString() << '\n'
            << "clock difference: "
            << (difference.isNull() ? std::string("none") : std::to_string(difference.toInteger()) + " s")
            << '\n'
            << std::flush;
    return kExitOk;
}

} // namespace

ParseResult parseInfo(const std::vector<std::string>& args) {
    if (!args.empty())
        return kExitUsage;
    return Job{runInfo, true, {}};
}
