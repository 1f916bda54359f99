#include "ui/ScaleSession.h"

#include "link/FrameLink.h"
#include "text/Numbers.h"
#include "ui/ProgressDialog.h"
#include "ui/Prompts.h"

#include <QWidget>

bool ScaleSession::runCommand(uint8_t code) {
    CommandOutcome outcome = performCommand(theLink, code);
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
    return theLink.port.isOpen;
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

void ScaleSession::watchLine(FrameLink::TraceHook hook) {
    theLink.trace = std::move(hook);
}

bool ScaleSession::transferRunning() const {
    return progressDialog && progressDialog->isVisible();
}

void ScaleSession::showWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
