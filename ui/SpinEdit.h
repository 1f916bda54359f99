// The integer field with arrows used on the PLU, SETTINGS and SYSTEM tabs and in the Z-close window.
//
// QSpinBox refuses keystrokes that leave its range and forgets an emptied text. Here the operator may
// type anything; the text is pulled into [minValue, maxValue] only when the field is left (or Enter
// is pressed). Reading a text that is not a whole number gives minValue. When minValue equals
// maxValue the field has no limit at all (the default, 0 and 0).
#pragma once

#include <QSpinBox>

class SpinEdit : public QSpinBox {
    Q_OBJECT
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    int minValue() const { return lowest; }
    int maxValue() const { return highest; }
    void setMinValue(int value);
    void setMaxValue(int value);

    // The value the text stands for, not yet clamped (hides QSpinBox::value, which is always in range
    // and lags behind an out-of-range text).
    int value() const;
    // Sets the text to the value pulled into the range.
    void setValue(int value);

    // The value pulled into the range, or left alone when the field has no limit.
    int checkValue(int value) const;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;

private:
    void applyRange();

    int lowest = 0;
    int highest = 0;
};
