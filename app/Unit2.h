// Unit2: the progress dialog TForm2 ("WORK...") shown by long record-by-record transfers.
#pragma once

#include <QWidget>

namespace Ui {
class TForm2;
}

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // True while a transfer may go on; STOP clears it.
    bool keepRunning = false;
    // STOP: only clears keepRunning; the transfer loop notices it and hides the dialog.
    void Button1Click();

    Ui::TForm2* ui; // ProgressBar1, Label1, Button1
};
