// The REPORTS tab of the main window: the sales report read from the scale into the memo Memo3,
// CLEAR, SAVE TO FILE, and CLOSE Z, which reads the report with the Z labels and then asks for the
// confirmation in TForm6, and HISTORY. TForm1 composes it into TabSheet3. Every complete report is also
// kept in the sales archive.
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
} // namespace reports

class ReportsTab : public QWidget {
    Q_OBJECT
public:
    explicit ReportsTab(ScaleSession& session, QWidget* parent = nullptr);
    ~ReportsTab() override;

    void Button18Click();      // REPORT
    void Button19Click();      // CLEAR
    void Button20Click();      // SAVE TO FILE
    void Button31Click();      // CLOSE Z
    void HistoryButtonClick(); // HISTORY: opens the sales archive's window

    // The HISTORY window, created when first opened.
    HistoryWindow* historyWindow = nullptr;

    // The memo's text as lines; an empty memo has none.
    QStringList memoLines() const;

    Ui::ReportsTab* ui; // Memo3, Button18, Button19, Button20, Button31, HistoryButton

private:
    // Reads the report into the emptied memo and keeps it in the sales archive: the entry's id when
    // all its reads succeeded and it was kept ("I/O Error!" when it could not be), and the totals it
    // read in `totals` when given.
    std::optional<int64_t> readReport(const reports::ReportLabels& labels, store::ReportKind kind,
                                      reports::ReportTotals* totals = nullptr);

    ScaleSession& session;
};
