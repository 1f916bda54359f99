// UNIT1: the main window TForm1 with its connection bar and the four tabs. The tabs' own handlers
// live in the folders of their tabs; what they need of the connection is the session the main
// window owns and hands to them.
#pragma once

#include "ui/ScaleSession.h"

#include <QWidget>
#include <cstdint>

namespace Ui {
class TForm1;
}
class PluTab;
class SystemTab;
class ReportsTab;
class SettingsTab;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The window-state file, chosen by the program before the window is created. Empty: the window
    // neither reads nor writes one (a window created by a test that does not ask for it).
    static QString stateFile;

    // The connection as the tabs and secondary windows use it; its status bytes show on the bar.
    ScaleSession session;

    // Start-up of the window, in the system's order (run once by the constructor).
    void FormCreate();
    // The main window is closing, whichever way; the program ends afterwards.
    void FormClose();
    // Writes and reads the window-state file (app/WindowState.h).
    void saveall();
    void restoreall();
    void Button10Click(); // CLOSE
    void Button11Click(); // CONNECT / DISCONNECT
    void Button15Click(); // HELP
    void Button16Click(); // TERMINAL
    // FIND: searches every port at every rate and puts the scale found into the port and baud boxes.
    void FindClick();
    // Ctrl+L: the line monitor.
    void MonitorClick();

    Ui::TForm1* ui;
    PluTab* pluTab = nullptr;
    SystemTab* systemTab = nullptr;
    ReportsTab* reportsTab = nullptr;
    SettingsTab* settingsTab = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showStatus(uint8_t status);
};
