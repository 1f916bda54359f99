// The main window with its connection bar and the four tabs. The tabs' own handlers
// live in the folders of their tabs; what they need of the connection is the session the main
// window owns and hands to them.
#pragma once

#include "ui/ScaleSession.h"

#include <QWidget>
#include <cstdint>

namespace Ui {
class MainWindow;
}
class PluTab;
class QAction;
class QHBoxLayout;
class QLabel;
class SystemTab;
class ReportsTab;
class SettingsTab;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window-state file, chosen by the program before the window is created. Empty: the window
    // neither reads nor writes one (a window created by a test that does not ask for it).
    static QString stateFile;

    // The connection as the tabs and secondary windows use it; its status bytes show on the bar.
    ScaleSession session;

    // Start-up of the window, in the system's order (run once by the constructor).
    void startUp();
    // The main window is closing, whichever way; the program ends afterwards.
    void shutDown();
    // Writes and reads the window-state file (app/WindowState.h).
    void saveWindowState();
    void restoreWindowState();
    void closeProgram();
    void connectOrDisconnect();
    void showHelp();
    void showTerminal();
    // FIND: searches every port at every rate and puts the scale found into the port and baud boxes.
    void searchForScale();
    // Ctrl+L, or the connection bar's context menu: the line monitor.
    void showLineMonitor();

    Ui::MainWindow* ui;
    PluTab* pluTab = nullptr;
    SystemTab* systemTab = nullptr;
    ReportsTab* reportsTab = nullptr;
    SettingsTab* settingsTab = nullptr;
    // Beside the tabs: what FIND found and changed, what to try after a failed CONNECT.
    QLabel* noteLabel = nullptr;
    // The line monitor's action: Ctrl+L anywhere in the window, and the connection bar's context menu
    // (the bar has no room left for a button).
    QAction* lineMonitorAction = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showStatus(uint8_t status);
    void keepNoteClearOfScaleId();
    // The connection bar as it is without a scale: CONNECT, the dark lamp, no identity.
    void showDisconnected();
    // The port failed under a command: the bar disconnected, the last status gone.
    void showPortLost();
    QHBoxLayout* noteCornerLayout = nullptr;
    // The status caption before any status came.
    QString statusCaption;
};
