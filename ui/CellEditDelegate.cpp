#include "ui/CellEditDelegate.h"

CellEditDelegate::CellEditDelegate(EditHandler handler, QObject* parent)
    : QStyledItemDelegate(parent), handler(std::move(handler)) {}

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
