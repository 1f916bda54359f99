// The PLU tab of the main window: the PLU table, the FROM/TO range, the transfers to and from the
// scale and the PLU text file. MainWindow composes it into pluPage. The handlers read the controls,
// call the PLU core and show its outcome.
#pragma once

#include "plu/PluGrid.h"
#include "plu/PluTransfer.h"
#include "store/ScaleRecords.h"

#include <QElapsedTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

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
    // ALL: FROM := 1, TO := 1799.
    void selectAll();
    void clearTable();
    void loadRangeFromScale();
    void saveRangeToScale();
    void saveToDisk();
    void loadFromDisk();
    // Reads the range from the scale (as Load From SCALE does, into no row of the grid) and marks the
    // grid's cells that differ from it; the PLUs only on the scale are named in a message.
    void compareWithScale();

    // Every change of the in-place editor of a cell (row 1 to 1801), the new text already typed:
    // keep it (the editor's next put-back text) or put the last good text back and beep.
    void checkCellEdit(int column, int row, const QString& text, QLineEdit* editor, QString& putBackText);

    // The grid as a PLU table.
    PluTable& table() { return grid; }

    // pluGrid, fromSpin, toSpin, loadFromDiskButton to saveToScaleButton, allButton, clearButton; the MORE
    // menu's compareAction and changedOnlyAction (Save To SCALE sends only the rows that differ from the
    // scale's record).
    Ui::PluTab* ui;

private:
    // The scale's record for one transfer: opened before anything is sent, and with the hooks that
    // keep it. Without a records database in the session, none is kept.
    struct Record {
        std::unique_ptr<store::ScaleRecords> records;
        std::map<int, QByteArray> seen;
        TransferHooks hooks;
    };
    // False, after the failure was shown, when the record cannot be used (or, with readIdentity, the
    // identity request failed); nothing has then been sent but that request.
    bool openRecord(Record& record, bool readIdentity);
    // Reports a record that could not be kept during the transfer.
    // Reports a record that could not be kept during the transfer; a transfer that ran says in the
    // note how many PLUs were `done` ("read", "sent") and in what time.
    // What the note row says when a transfer ends: nothing (a comparison says its own), the PLUs
    // read, or the PLUs sent.
    enum class Noted { Nothing, Read, Sent };
    void transferEnded(TransferEnd end, const Record& record, Noted noted = Noted::Nothing);
    void markDifferences(const std::vector<int>& marks);
    TransferHooks progressHooks();
    // FROM and TO as the handlers convert them: a text that is no whole number ends the handler.
    std::pair<int, int> range() const;

    ScaleSession& session;
    PluGrid grid;
    // The records the running transfer has moved, and its clock.
    int transferred = 0;
    QElapsedTimer transferClock;
    // Grid cells marked by the last comparison: row * kPluColumnCount + column.
    std::vector<int> marked;
};
