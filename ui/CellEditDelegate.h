// In-place editing of a text grid that is checked on every change, as the grids of this program
// work: the editor reports each keystroke, paste or deletion at once (not only when editing ends),
// so the handler can write the new text into the cell and refuse it by putting the old text back
// into both the cell and the editor.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <functional>

class CellEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Called with the edited cell, the editor's new text and the editor itself.
    using EditHandler = std::function<void(const QModelIndex& index, const QString& text, QLineEdit* editor)>;

    CellEditDelegate(EditHandler handler, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Writing an accepted text into the cell makes the view refresh the open editor; an editor that
    // already shows the cell's text is left alone, so its cursor stays where the operator typed.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    EditHandler handler;
};
