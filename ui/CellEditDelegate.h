// In-place editing of a text grid that is checked on every change, as the grids of this program
// work: the editor reports each keystroke, paste or deletion at once (not only when editing ends),
// so the handler can write the new text into the cell and refuse it by putting the old text back
// into both the cell and the editor. Each editor keeps its own put-back text, the cell's text when
// the editor opened, so no grid refuses an edit with a text from another grid or another cell.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <functional>

class CellEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Called with the edited cell, the editor's new text, the editor itself and the editor's
    // put-back text (which the handler may move on to a text it accepted).
    using EditHandler = std::function<void(const QModelIndex& index, const QString& text, QLineEdit* editor,
                                           QString& putBackText)>;

    // Cells for which decimalCell is true hold decimal numbers: typed with a point or a comma, they
    // show the regional separator once the edit ends.
    using CellTest = std::function<bool(const QModelIndex& index)>;

    CellEditDelegate(EditHandler handler, QObject* parent, CellTest decimalCell = {});

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Writing an accepted text into the cell makes the view refresh the open editor; an editor that
    // already shows the cell's text is left alone, so its cursor stays where the operator typed.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    EditHandler handler;
    CellTest decimalCell;
};

// A decimal field (no grid) that shows the regional separator once its edit ends, whichever of a
// point or a comma was typed.
void showRegionalDecimalAfterEdit(QLineEdit* field);
