#include "ui/CellEditDelegate.h"

#include "text/Numbers.h"

CellEditDelegate::CellEditDelegate(EditHandler handler, QObject* parent, CellTest decimalCell)
    : QStyledItemDelegate(parent), handler(std::move(handler)), decimalCell(std::move(decimalCell)) {}

QWidget* CellEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    QPersistentModelIndex cell(index);
    // textEdited, not textChanged: a text the handler puts back must not be checked again.
    connect(editor, &QLineEdit::textEdited, editor,
            [this, cell, editor, putBackText = index.data(Qt::EditRole).toString()](
                const QString& text) mutable { handler(cell, text, editor, putBackText); });
    return editor;
}

void CellEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && line->text() == index.data(Qt::EditRole).toString())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

void CellEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && decimalCell && decimalCell(index)) {
        // The handler hears of the shown text as of any edit, so a grid that keeps its texts
        // elsewhere too stays in step; it is the same number, so it passes the same check.
        const QString shown = regionalDecimalText(line->text());
        if (shown != line->text()) {
            QString putBackText = shown;
            line->setText(shown);
            handler(index, shown, line, putBackText);
        }
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void showRegionalDecimalAfterEdit(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::editingFinished, field, [field] {
        const QString shown = regionalDecimalText(field->text());
        if (shown != field->text())
            field->setText(shown);
    });
}
