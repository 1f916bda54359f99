// The HISTORY window, opened from the REPORTS tab: the sales archive's entries in a table, and three
// charts of them: the selected report's sales by hour, the grand total per day over the listed
// period, and the selected report's shares of the four clerks. The archive's location (an SQLite file
// or a postgresql:// address) is a setting of the window, shared with the REPORTS tab through the
// session; the table exports as the same CSV as scalectl history.
#pragma once

#include "store/SalesArchive.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class BarChart;
class QDateEdit;
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

    // LOAD: reads the entries of the period (From to To) from the archive named in the location
    // field, which becomes the session's archive once it has been read; "I/O Error!" when it cannot
    // be read (an archive that does not exist is never made: the session keeps its archive).
    void loadEntries();
    // EXPORT CSV: the listed entries, every figure, as a CSV file in the regional spreadsheet
    // convention. EXPORT XLSX: the same as a workbook, numbers as numbers and dates as dates.
    void exportEntries();
    void exportWorkbook();
    // Draws the hour and clerk charts of the entry in table row `row`.
    void showEntry(int row);

    // The listed entries, with their totals (the other figures are read for the selected one).
    const std::vector<store::ArchiveEntry>& entries() const;

    QLineEdit* archiveEdit;
    // The chain's site name of this PC, kept with every report archived from now on.
    QLineEdit* siteEdit;
    // The period in the regional date format (the year in full), with a calendar.
    QDateEdit* fromEdit;
    QDateEdit* toEdit;
    QPushButton* loadButton;
    QPushButton* exportButton;
    QPushButton* exportWorkbookButton;
    QTableView* table;
    BarChart* hourChart;
    BarChart* dayChart;
    BarChart* clerkChart;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load(const store::HistoryFilter& period);
    void drawDays();
    // The listed entries with every figure, or none after "I/O Error!".
    std::optional<std::vector<store::ArchiveEntry>> listedWithFigures();
    // Asks for a file of the dialog filter's kind and writes the listed entries as bytesOf makes them.
    using ListingBytes = std::function<std::optional<QByteArray>(const std::vector<store::ArchiveEntry>&)>;
    void exportListing(const QString& filter, const QString& suffix, const ListingBytes& bytesOf);
    QString currency() const;

    ScaleSession& session;
    reports::HistoryModel* model;
    // Opens the archive loaded last for reading; null when there is none or it cannot be opened.
    std::unique_ptr<store::SalesArchive> openLoaded(QString* error) const;

    // The archive loaded last (empty when the last load failed) and the period listed. No connection
    // stays open between two reads: a file dialog of this window that lists the database's folder may
    // open and close the file, and closing any descriptor of a file drops every lock this process
    // holds on it, so another program would take the database for unused and remove its live log.
    QString loadedArchive;
    store::HistoryFilter filter;
};
