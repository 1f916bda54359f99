#include "ui/SpinEdit.h"

#include "text/Numbers.h"

#include <limits>

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {
    applyRange();
}

void SpinEdit::setMinValue(int value) {
    lowest = value;
    applyRange();
}

void SpinEdit::setMaxValue(int value) {
    highest = value;
    applyRange();
}

void SpinEdit::applyRange() {
    if (lowest == highest)
        setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    else
        setRange(qMin(lowest, highest), qMax(lowest, highest));
}

int SpinEdit::checkValue(int value) const {
    if (lowest == highest)
        return value;
    return qBound(qMin(lowest, highest), value, qMax(lowest, highest));
}

int SpinEdit::value() const {
    return valueFromText(text());
}

void SpinEdit::setValue(int value) {
    QSpinBox::setValue(checkValue(value));
}

QValidator::State SpinEdit::validate(QString&, int&) const {
    // Every text is taken as typed. Leaving the field (or Enter) makes QAbstractSpinBox interpret the
    // text through valueFromText and pull it into the range, which rewrites the text.
    return QValidator::Acceptable;
}

int SpinEdit::valueFromText(const QString& text) const {
    int32_t number = 0;
    int error = 0;
    tryParseInt(text, number, error);
    return error == 0 ? number : lowest;
}
