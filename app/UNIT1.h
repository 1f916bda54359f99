// UNIT1: the main window TForm1 with its connection bar, the command wrapper, the connection guard
// and the four tabs. The tabs' own handlers live in the folders of their tabs.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

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

    // Runs a handler's body. A text that the body converts without its own check (strToInt,
    // strToFloat) throws ConversionError; that ends the handler here with the standard conversion
    // message in the application's error box, so no exception ever reaches Qt's event loop.
    // Every handler that uses strTo* goes through this.
    void runHandler(const std::function<void()>& body);

    // Start-up of the window, in the system's order (run once by the constructor).
    void FormCreate();
    // The main window is closing, whichever way; the program ends afterwards.
    void FormClose();
    void Button10Click(); // CLOSE
    void Button11Click(); // CONNECT / DISCONNECT
    void Button15Click(); // HELP
    void Button16Click(); // TERMINAL

    // Text of the grid cell selected last, or that passed its check last (PLU and tax grids).
    QString selectedCellText;

    Ui::TForm1* ui;
    PluTab* pluTab = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showStatus(uint8_t status);
};
