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
        // The whole date selected (Ctrl+A) and retyped: the plain field would take the first key as
        // the whole text and refuse it; typed from the first field on, it is the date as shown.
        if (typed.front().isDigit() && edit->hasSelectedText() && edit->selectedText() == edit->text()) {
            setCurrentSectionIndex(0);
            setSelectedSection(sectionAt(0));
        }
        const int at = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        if (separatorAlreadyBefore(edit->text(), at, typed.front())) {
            event->accept();
            return;
        }
    }
    QDateEdit::keyPressEvent(event);
}
