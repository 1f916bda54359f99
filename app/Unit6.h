// Unit6: the Z-close confirmation window TForm6 ("CLOSE Z"), where the operator enters the password.
#pragma once

#include <QWidget>

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};
