// Unit4: the logo window TForm4 ("LOAD LOGO"), which turns a picture into the receipt logo.
#pragma once

#include <QWidget>

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};
