// The REPORTS tab of the main window: the sales report read from the scale into the memo reportMemo,
// CLEAR, SAVE TO FILE, and CLOSE Z, which reads the report with the Z labels and then asks for the
// confirmation in CloseZDialog, and HISTORY. MainWindow composes it into reportsPage. Every complete report
// is also kept in the sales archive.
#pragma once

#include "store/SalesArchive.h"

#include <QStringList>
#include <QWidget>
#include <optional>

namespace Ui {
class ReportsTab;
}
class ScaleSession;
class HistoryWindow;

namespace reports {
struct ReportLabels;
struct ReportTotals;
struct SettledClose;
} // namespace reports

class ReportsTab : public QWidget {
    Q_OBJECT
public:
    explicit ReportsTab(ScaleSession& session, QWidget* parent = nullptr);
    ~ReportsTab() override;

    void readSalesReport();
    void clearReport();
    void saveReport();
    void closeZ();
    // Opens the sales archive's window.
    void showHistory();

    // The HISTORY window, created when first opened.
    HistoryWindow* historyWindow = nullptr;

    // The memo's text as lines; an empty memo has none.
    QStringList memoLines() const;

    Ui::ReportsTab* ui;

private:
    // Reads the report into the emptied memo and keeps it in the sales archive: the entry's id when
    // all its reads succeeded and it was kept ("I/O Error!" when it could not be), and the totals it
    // read in `totals` when given.
    std::optional<int64_t> readReport(const reports::ReportLabels& labels, store::ReportKind kind,
                                      reports::ReportTotals* totals = nullptr);
    // Whether a Z close may follow the totals just read: not while an earlier close of today is still
    // unknown (it may have closed the day), and on a day closed today with nothing sold since only
    // when the operator says so.
    bool mayCloseAgain(const reports::ReportTotals& totals,
                       const std::optional<reports::SettledClose>& settled);

    ScaleSession& session;
};
