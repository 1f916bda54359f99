// UNIT1: the main window TForm1 with its connection bar, the command wrapper, the connection guard
// and the four tabs. The tabs' own handlers live in the folders of their tabs.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

namespace Ui {
class TForm1;
}
class PluTab;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // One exchange on theLink with the built payload: reports "Communication Error!", shows the
    // status byte and the SYSTEM tab's visibility. True when the exchange succeeded.
    bool runCommand(uint8_t code);
    // True when connected; otherwise reports "You are not connected to the scale!".
    bool requireConnection();
    bool isConnected() const;

    // Text of the grid cell selected last, or that passed its check last (PLU and tax grids).
    QString selectedCellText;

    Ui::TForm1* ui;
    PluTab* pluTab = nullptr;
};
