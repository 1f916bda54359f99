#include "service/FindScale.h"

#include "link/FrameLink.h"
#include "text/CodePage.h"
#include "ui/ProgressDialog.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"

#include <QCoreApplication>
#include <chrono>
#include <future>

std::optional<FoundScale> findScale(ScaleSession& session, const std::vector<std::string>& ports,
                                    const std::vector<int32_t>& bauds) {
    SearchProgress progress;
    // The line monitor, when open, shows the search's exchanges as it shows the connection's.
    progress.trace = theLink.trace;
    auto search = std::async(std::launch::async, [&] { return searchScales(ports, bauds, progress); });
    // The dialog is drawn and its STOP handled while the ports are tried on their own threads.
    ProgressDialog* dialog = session.progressDialog;
    if (dialog)
        dialog->begin(int(ports.size() * bauds.size()));
    while (search.wait_for(std::chrono::milliseconds(30)) != std::future_status::ready) {
        if (!dialog)
            continue;
        if (!dialog->keepRunning)
            progress.stop = true;
        dialog->step(int(progress.tried),
                     QCoreApplication::translate("FindScale", "Searching for the scale..."));
    }
    if (dialog)
        dialog->finish();
    SearchResult result = search.get();
    if (progress.stop)
        return std::nullopt;
    if (result.found.empty()) {
        prompts().message(QCoreApplication::translate("FindScale", "Error!"),
                          QCoreApplication::translate("FindScale", "No scale found!") + QLatin1Char('\n') +
                              QCoreApplication::translate("FindScale",
                                                          "Check the cable and the port, that the scale "
                                                          "is switched on, and its baud rate."));
        return std::nullopt;
    }
    if (result.found.size() == 1)
        return result.found.front();
    QStringList items;
    for (const FoundScale& scale : result.found)
        items << QStringLiteral("%1  %2  %3")
                     .arg(QString::fromStdString(scale.port))
                     .arg(scale.baud)
                     .arg(fromCp1250(scale.identity));
    int picked = prompts().chooseItem(QCoreApplication::translate("FindScale", "FIND"),
                                      QCoreApplication::translate("FindScale", "Scales found:"), items);
    if (picked < 0 || picked >= int(result.found.size()))
        return std::nullopt;
    return result.found[size_t(picked)];
}
