#include "ui/DateField.h"

#include "text/DateTimeText.h"

#include <QKeyEvent>
#include <QLineEdit>

DateField::DateField(const QDate& date, QWidget* parent) : QDateEdit(date, parent) {
    setDisplayFormat(regionalFullYearDateFormat());
}

void DateField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.size() == 1 && event->modifiers() == Qt::NoModifier) {
        QLineEdit* edit = lineEdit();
        const int at = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        if (separatorAlreadyBefore(edit->text(), at, typed.front())) {
            event->accept();
            return;
        }
    }
    QDateEdit::keyPressEvent(event);
}
