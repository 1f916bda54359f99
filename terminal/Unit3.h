// Unit3: the terminal window TForm3 ("TERMINAL"), the on-screen copy of the scale's front. A click
// on one of the 30 keys, or a key of the PC keyboard, sends that key to the scale; while the window
// is the active one it polls the displays and indicators every 100 ms and mirrors them.
#pragma once

#include "terminal/Display.h"
#include "terminal/Keypad.h"

#include <QWidget>
#include <array>

namespace Ui {
class TForm3;
}
class ScaleSession;
class QPushButton;
class QLabel;
class QTimer;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(ScaleSession& session, QWidget* parent = nullptr);
    ~TForm3() override;

    // The one click handler of Button1 to Button30: sends the clicked key's code.
    void ButtonXClick(const QPushButton* button);
    // Every key press of the PC keyboard, auto-repeats included, mapped onto a key code and sent.
    void FormKeyDown(const QKeyEvent& key);
    void FormActivate();   // starts polling
    void FormDeactivate(); // stops it
    // One display poll; it runs the timer again only when the poll succeeded.
    void Timer1Timer();

    Ui::TForm3* ui; // Panel1, Label1 to Label15, Button1 to Button30
    QTimer* Timer1;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showDisplay(const DisplayState& state);

    ScaleSession& session;
    std::array<QPushButton*, kKeypadKeys> keys{};
    std::array<QLabel*, kDisplayLines> lineLabels{};
    std::array<QLabel*, kDisplayLines> overlayLabels{};
    std::array<QLabel*, kIndicators> indicatorLabels{}; // in Indicator order
};
