#include "app/Forms.h"

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "logo/LogoWindow.h"
#include "reports/CloseZDialog.h"
#include "service/LineMonitor.h"
#include "terminal/TerminalWindow.h"
#include "ui/ProgressDialog.h"
#include "ui/WindowFrames.h"

MainWindow* theMainWindow = nullptr;
ProgressDialog* theProgressDialog = nullptr;
TerminalWindow* theTerminalWindow = nullptr;
LogoWindow* theLogoWindow = nullptr;
HelpWindow* theHelpWindow = nullptr;
CloseZDialog* theCloseZDialog = nullptr;

namespace {
LineMonitor* monitor = nullptr;
} // namespace

QWidget* mainWindow() {
    return theMainWindow;
}

void createForms() {
    theMainWindow = new MainWindow;
    theProgressDialog = new ProgressDialog;
    theTerminalWindow = new TerminalWindow(theMainWindow->session);
    theLogoWindow = new LogoWindow(theMainWindow->session);
    theHelpWindow = new HelpWindow;
    theCloseZDialog = new CloseZDialog(theMainWindow->session);
    theMainWindow->session.progressDialog = theProgressDialog;
    theMainWindow->session.closeConfirmation = theCloseZDialog;
    theMainWindow->session.logoWindow = theLogoWindow;
    monitor = new LineMonitor(theMainWindow->session);
    theMainWindow->session.lineMonitor = monitor;
    // Windows that have no place of their own open over the main window; the terminal is centred on
    // the screen by its own frame.
    for (QWidget* window : std::initializer_list<QWidget*>{theProgressDialog, theLogoWindow, theHelpWindow,
                                                           theCloseZDialog, monitor})
        centreOverOnShow(window, theMainWindow);
}

void destroyForms() {
    delete monitor;
    monitor = nullptr;
    delete theCloseZDialog;
    delete theHelpWindow;
    delete theLogoWindow;
    delete theTerminalWindow;
    delete theProgressDialog;
    delete theMainWindow;
    theMainWindow = nullptr;
    theProgressDialog = nullptr;
    theTerminalWindow = nullptr;
    theLogoWindow = nullptr;
    theHelpWindow = nullptr;
    theCloseZDialog = nullptr;
}
