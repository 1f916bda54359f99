// The progress dialog ("WORK...") shown by long record-by-record transfers.
//
// A transfer uses it in this order: begin(maximum); for each record, exchange the record, leave the
// loop when keepRunning is false, else step(position, text); after the loop, however it ended,
// finish(). STOP is handled inside step (pending messages are processed there), so one more record
// is exchanged after a click on STOP. While it is up the dialog is application-modal: no other
// scale operation and no edit of the table starts inside a transfer.
#pragma once

#include <QWidget>

namespace Ui {
class ProgressDialog;
}

class ProgressDialog : public QWidget {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);
    ~ProgressDialog() override;

    // True while a transfer may go on; STOP clears it.
    bool keepRunning = false;
    // STOP: only clears keepRunning; the transfer loop notices it and hides the dialog.
    void stop();

    // Shows the dialog with the bar at 0 of maximum, sets keepRunning and draws it at once. A
    // transfer that must not stop half way (a settings record half sent is worse than the wait)
    // begins with stoppable false: STOP is shown disabled.
    void begin(int maximum, bool stoppable = true);
    // Moves the bar, writes the label, draws, and lets pending messages (a click on STOP) run.
    void step(int position, const QString& text);
    // Bar back to 0, dialog hidden, keepRunning cleared.
    void finish();

    Ui::ProgressDialog* ui;
};
