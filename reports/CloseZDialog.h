// The Z-close confirmation window ("CLOSE Z"). The REPORTS tab shows it once the whole Z report
// has been read and kept; the operator enters the scale's password and confirms with OK,
// which sends the close, checked on the scale before and after it. A line under the captions says
// what OK clears (the day's total and document), and the note row says what became of the close.
// The window is not modal; Cancel, Escape and its close box only hide it, sending nothing.
#pragma once

#include "reports/ReportBlocks.h"

#include <QWidget>
#include <cstdint>
#include <optional>

namespace Ui {
class CloseZDialog;
}
class ScaleSession;

class CloseZDialog : public QWidget {
    Q_OBJECT
public:
    explicit CloseZDialog(ScaleSession& session, QWidget* parent = nullptr);
    ~CloseZDialog() override;

    // OK: sends the Z close with the password when the scale still holds the report's totals. The
    // window hides when the close is read back as done, or when a sale since the report stopped it
    // (CLOSE Z reads again); it stays open after a failed exchange and when the scale kept its day.
    void confirmClose();
    // Cancel (and Escape): hides the window, sending nothing.
    void cancelClose();

    Ui::CloseZDialog* ui;

    // The Z report this close follows: its entry in the sales archive, where the outcome is noted,
    // and the totals it read, which the scale must still hold when the close goes out.
    struct ArchivedReport {
        int64_t id = 0;
        reports::ReportTotals totals;
    };
    std::optional<ArchivedReport> archivedReport;
    // Sets the report and the line under the captions that says what OK clears.
    void setArchivedReport(const ArchivedReport& report);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ScaleSession& session;
};
