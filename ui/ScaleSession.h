// What the tabs and secondary windows need of the connection, below the main window: the command
// wrapper, the connection guard, the handler runner and the grid text shared by the PLU and tax
// grids. MainWindow owns the one session and hands it to every tab and window; none of them includes
// the main window, and the main window learns each status byte through statusReceived.
#pragma once

#include "link/Command.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QWidget;
class ProgressDialog;

class ScaleSession : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // One exchange on theLink with the built payload: reports "Communication Error!" and publishes
    // the status byte. True when the exchange succeeded.
    bool runCommand(uint8_t code);
    // True when connected; otherwise reports "You are not connected to the scale!".
    bool requireConnection();
    bool isConnected() const;

    // Runs a handler's body. A text that the body converts without its own check (strToInt,
    // strToFloat) throws ConversionError; that ends the handler here with the standard conversion
    // message in the application's error box, so no exception ever reaches Qt's event loop.
    // Every handler that uses strTo* goes through this.
    void runHandler(const std::function<void()>& body);

    // theLink with this session's runCommand, for the UI-free cores.
    ScaleLine line();
    // Runs a fixed sequence of `exchanges` exchanges (settings, report) with the progress dialog up
    // and no STOP: transfer gets line() whose every exchange moves the bar one step. The dialog is
    // hidden however the transfer ends. Returns what transfer returns.
    bool runStepped(int exchanges, const std::function<bool(const ScaleLine&)>& transfer);
    // The exchanges the last runStepped made, the failed one included: where a transfer stopped.
    int exchanged = 0;

    // The windows a tab opens, set by the program when it creates them: the progress dialog of
    // transfers, the Z close's confirmation, the logo window and the line monitor. Through these the tabs
    // reach them without the program's globals.
    QPointer<ProgressDialog> progressDialog;
    QPointer<QWidget> closeConfirmation;
    QPointer<QWidget> logoWindow;
    QPointer<QWidget> lineMonitor;
    // Hands every frame and acknowledgement on theLink to hook (the line monitor); nullptr stops it.
    void watchLine(FrameLink::TraceHook hook);
    // True while a transfer's progress dialog is up, or a transfer without it holds the line: the
    // terminal's poll waits until it has ended.
    bool transferRunning() const;
    // Set by a transfer that lets timers run without the progress dialog (the logo upload).
    bool lineHeld = false;
    // Shows a window brought to the front, as the tabs open their secondary windows.
    static void showWindow(QWidget* window);

    // The utility's database, where the PLU transfers keep each scale's record (set by the program
    // from its data folder). Empty: no record is kept (a window created by a test that does not ask
    // for one).
    QString recordsDatabase;
    // The connected scale as its record knows it: the port as named in the port box and the
    // identity read at CONNECT.
    QString portName;
    // Counts the connections made by CONNECT: what a tab read from the scale belongs to one.
    int connection = 0;
    QString scaleIdentity;
    // Where the sales archive is kept: an SQLite file or a postgresql:// address, set by the program
    // to the data folder's database and changed in the HISTORY window.
    QString archiveLocation;
    // The SETTINGS tab's clerk names and currency, for the windows that label sales (set by the
    // program; unset, a window names the clerks by number and shows no currency).
    std::function<QStringList()> clerkNames;
    std::function<QString()> currency;
    // The shop of a chain this PC belongs to, kept with every archived report (store::pcName); the
    // program starts it from the SCALE_SITE environment variable.
    QString archiveSite;

    // A line for the main window's note beside the tabs: what a transfer did and how long it took.
    void note(const QString& text) { emit noted(text); }

signals:
    void noted(const QString& text);
    // Every command's status byte, after a failure too (decoded from whatever the reply buffer holds).
    void statusReceived(uint8_t status);
    // The port itself failed during a command (a vanished device, a hang-up): the window shows
    // itself disconnected; CONNECT opens the port again.
    void portLost();
};
