// The HISTORY window, opened from the REPORTS tab: the sales archive's entries in a table, and three
// charts of them: the selected report's sales by hour, the grand total per day over the listed
// period, and the selected report's shares of the four clerks. The archive's location (an SQLite file
// or a postgresql:// address) is a setting of the window, shared with the REPORTS tab through the
// session; the table exports as the same CSV as scalectl history.
#pragma once

#include "store/SalesArchive.h"

#include <QWidget>
#include <memory>
#include <vector>

class QChart;
class QLineEdit;
class QPushButton;
class QTableView;
class ScaleSession;

namespace reports {
class HistoryModel;
}

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit HistoryWindow(ScaleSession& session, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // LOAD: reads the entries of the period from the archive named in the location field, which
    // becomes the session's archive; "I/O Error!" when it cannot be read.
    void loadEntries();
    // EXPORT CSV: the listed entries, every figure, as a CSV file.
    void exportEntries();
    // Draws the hour and clerk charts of the entry in table row `row`.
    void showEntry(int row);

    // The listed entries, with their totals (the other figures are read for the selected one).
    const std::vector<store::ArchiveEntry>& entries() const;

    QLineEdit* archiveEdit;
    QLineEdit* fromEdit; // YYYY-MM-DD, empty for no limit
    QLineEdit* toEdit;
    QPushButton* loadButton;
    QPushButton* exportButton;
    QTableView* table;
    QChart* hourChart;
    QChart* dayChart;
    QChart* clerkChart;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void drawDays();

    ScaleSession& session;
    reports::HistoryModel* model;
    // The archive loaded last, kept open for the selected entries' figures, and the period listed.
    std::unique_ptr<store::SalesArchive> archive;
    store::HistoryFilter filter;
};
