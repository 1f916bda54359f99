// Unit5: the help window TForm5 ("HELP"), a short read-only text about using the program.
#pragma once

#include <QWidget>

class QPlainTextEdit;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
};
