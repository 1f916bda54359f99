// A date field in the regional short format with the year in full, which takes a date typed as the
// program shows it. The plain date field moves on to the next field by itself once one is full, and
// a separator typed then moves it on once more: "08.12.2026" would skip the month. Here a separator
// typed where the field already stands past it is taken as part of the date, not as a move; and a
// date retyped over the whole selected text (Ctrl+A) is taken from its first field.
#pragma once

#include <QDateEdit>

class DateField : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(const QDate& date, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
