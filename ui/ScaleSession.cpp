#include "ui/ScaleSession.h"

#include "link/FrameLink.h"
#include "text/Numbers.h"
#include "ui/ProgressDialog.h"
#include "ui/Prompts.h"

#include <QScopeGuard>
#include <QWidget>

bool ScaleSession::runCommand(uint8_t code) {
    // A lost port was said when it was lost; nothing is tried on it until CONNECT opens it again.
    if (theLink.port.portLost())
        return false;
    CommandOutcome outcome = performCommand(theLink, code);
    if (!outcome.ok && theLink.port.portLost()) {
        prompts().message(tr("Error!"), tr("The scale's port was lost: check the cable, then CONNECT"));
        emit portLost();
        return false;
    }
    if (!outcome.ok)
        prompts().message(tr("Error!"), tr("Communication Error!"));
    emit statusReceived(outcome.status);
    return outcome.ok;
}

bool ScaleSession::requireConnection() {
    if (isConnected())
        return true;
    prompts().message(tr("Error!"), tr("You are not connected to the scale!"));
    return false;
}

bool ScaleSession::isConnected() const {
    return theLink.port.isOpen && !theLink.port.portLost();
}

void ScaleSession::runHandler(const std::function<void()>& body) {
    try {
        body();
    } catch (const ConversionError& error) {
        prompts().applicationError(error.message());
    }
}

ScaleLine ScaleSession::line() {
    return {theLink, [this](uint8_t code) { return runCommand(code); }};
}

bool ScaleSession::runStepped(int exchanges, const std::function<bool(const ScaleLine&)>& transfer) {
    const ScaleLine plain = line();
    ProgressDialog* progress = progressDialog;
    if (!progress)
        return transfer(plain);
    progress->begin(exchanges, false);
    auto hide = qScopeGuard([progress] { progress->finish(); });
    exchanged = 0;
    return transfer(ScaleLine{plain.link, [this, exchanges, progress, plain](uint8_t code) {
                                  const bool ok = plain.runCommand(code);
                                  ++exchanged;
                                  progress->step(exchanged, tr("%1 of %2").arg(exchanged).arg(exchanges));
                                  return ok;
                              }});
}

void ScaleSession::watchLine(FrameLink::TraceHook hook) {
    theLink.trace = std::move(hook);
}

bool ScaleSession::transferRunning() const {
    return lineHeld || (progressDialog && progressDialog->isVisible());
}

void ScaleSession::showWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
