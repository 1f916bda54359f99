// The REPORTS tab of the main window: the sales report read from the scale into the memo Memo3,
// CLEAR, SAVE TO FILE, and CLOSE Z, which reads the report with the Z labels and then asks for the
// confirmation in TForm6. TForm1 composes it into TabSheet3; the memo is the report's only store.
#pragma once

#include <QStringList>
#include <QWidget>

namespace Ui {
class ReportsTab;
}
class ScaleSession;

namespace reports {
struct ReportLabels;
}

class ReportsTab : public QWidget {
    Q_OBJECT
public:
    explicit ReportsTab(ScaleSession& session, QWidget* parent = nullptr);
    ~ReportsTab() override;

    void Button18Click(); // REPORT
    void Button19Click(); // CLEAR
    void Button20Click(); // SAVE TO FILE
    void Button31Click(); // CLOSE Z

    // The memo's text as lines; an empty memo has none.
    QStringList memoLines() const;

    Ui::ReportsTab* ui; // Memo3, Button18, Button19, Button20, Button31

private:
    // Reads the report into the emptied memo; true when all its reads succeeded.
    bool readReport(const reports::ReportLabels& labels);

    ScaleSession& session;
};
