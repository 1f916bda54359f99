// The program's six windows, created at start in this order and alive until the program ends, and the
// line monitor, which the session hands to whoever opens it.
#pragma once

class QWidget;
class MainWindow;
class ProgressDialog;
class TerminalWindow;
class LogoWindow;
class HelpWindow;
class CloseZDialog;

extern MainWindow* theMainWindow;
extern ProgressDialog* theProgressDialog;
extern TerminalWindow* theTerminalWindow;
extern LogoWindow* theLogoWindow;
extern HelpWindow* theHelpWindow;
extern CloseZDialog* theCloseZDialog;

// The main window as a plain widget, for code that needs no more of it (no include of its header).
QWidget* mainWindow();

// Creates the six windows in that order (only the main window is shown by the caller).
void createForms();
// Destroys them (tests create a fresh set per case).
void destroyForms();
