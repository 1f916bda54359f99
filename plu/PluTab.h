// The PLU tab of the main window: the PLU table, the FROM/TO range, the transfers to and from the
// scale and the PLU text file. TForm1 composes it into TabSheet1.
#pragma once

#include <QWidget>

class TForm1;

class PluTab : public QWidget {
    Q_OBJECT
public:
    explicit PluTab(TForm1& form, QWidget* parent = nullptr);

    // Start-up: the PLU grid's headings (row 0).
    void writeHeadings();
    // "ALL": FROM := 1, TO := 1799.
    void Button12Click();

private:
    TForm1& form;
};
