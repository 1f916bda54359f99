// The PLU tab of the main window: the PLU table, the FROM/TO range, the transfers to and from the
// scale and the PLU text file. TForm1 composes it into TabSheet1. The handlers read the controls,
// call the PLU core and show its outcome.
#pragma once

#include "plu/PluGrid.h"
#include "plu/PluTransfer.h"

#include <QWidget>

namespace Ui {
class PluTab;
}
class ScaleSession;
class QLineEdit;

class PluTab : public QWidget {
    Q_OBJECT
public:
    explicit PluTab(ScaleSession& session, QWidget* parent = nullptr);
    ~PluTab() override;

    // Start-up: the PLU grid's headings (row 0).
    void writeHeadings();
    void Button12Click(); // ALL: FROM := 1, TO := 1799
    void Button17Click(); // CLEAR
    void Button7Click();  // Load From SCALE
    void Button8Click();  // Save To SCALE
    void Button6Click();  // Save To DISK
    void Button5Click();  // Load From DISK

    // Every change of the in-place editor of a cell (row 1 to 1801), the new text already typed:
    // keep it (the editor's next put-back text) or put the last good text back and beep.
    void StringGrid1SetEditText(int column, int row, const QString& text, QLineEdit* editor,
                                QString& putBackText);

    // The grid as a PLU table.
    PluTable& table() { return grid; }

    Ui::PluTab* ui; // StringGrid1, SpinEdit1, SpinEdit2, Button5 to Button8, Button12, Button17

private:
    TransferHooks progressHooks();
    // FROM and TO as the handlers convert them: a text that is no whole number ends the handler.
    std::pair<int, int> range() const;

    ScaleSession& session;
    PluGrid grid;
};
