// The help window ("HELP"), a short read-only text about using the program.
#pragma once

#include <QWidget>

class QPlainTextEdit;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    QPlainTextEdit* helpText;
};
