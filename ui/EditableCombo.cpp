#include "ui/EditableCombo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

void makeEditableCombo(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    QLineEdit* edit = box->lineEdit();
    // Qt selects the item whose text matches the typed text when editing finishes; here a typed text
    // stays a typed text (index -1) whatever it reads, so that connection goes.
    QObject::disconnect(edit, &QLineEdit::editingFinished, box, nullptr);
    QObject::connect(edit, &QLineEdit::textEdited, box, [box, edit](const QString& typed) {
        if (box->currentIndex() == -1)
            return;
        // Dropping the selection would also empty the text; put the typed text and cursor back.
        int cursor = edit->cursorPosition();
        QSignalBlocker quiet(edit);
        box->setCurrentIndex(-1);
        edit->setText(typed);
        edit->setCursorPosition(cursor);
    });
}
