// The terminal window ("TERMINAL"), the on-screen copy of the scale's front. A click
// on one of the 30 keys, or a key of the PC keyboard, sends that key to the scale; while the window
// is the active one it polls the displays and indicators every 100 ms and mirrors them.
#pragma once

#include "terminal/Display.h"
#include "terminal/Keypad.h"

#include <QWidget>
#include <array>

namespace Ui {
class TerminalWindow;
}
class ScaleSession;
class QPushButton;
class QLabel;
class QTimer;

class TerminalWindow : public QWidget {
    Q_OBJECT
public:
    explicit TerminalWindow(ScaleSession& session, QWidget* parent = nullptr);
    ~TerminalWindow() override;

    // The one click handler of the 30 keys: sends the clicked key's code.
    void pressKey(const QPushButton* button);
    // Every key press of the PC keyboard, auto-repeats included, mapped onto a key code and sent.
    void sendKeyboardKey(const QKeyEvent& key);
    void startPolling();
    void stopPolling();
    // One display poll; it runs the timer again only when the poll succeeded.
    void refreshDisplay();

    // The 30 keys in keypad order (five rows of six, left to right, top to bottom).
    const std::array<QPushButton*, kKeypadKeys>& keypadButtons() const { return keys; }

    Ui::TerminalWindow* ui;
    QTimer* pollTimer;

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
