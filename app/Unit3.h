// Unit3: the terminal window TForm3 ("TERMINAL"), the on-screen copy of the scale's front.
#pragma once

#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
