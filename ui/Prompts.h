// Every modal message box, file dialog, beep and wait cursor of the program goes through Prompts.
// The program installs the Qt implementation; tests install a recorder that never blocks.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

class Prompts {
public:
    virtual ~Prompts() = default;
    // A modal box with an OK button only ("Communication Error!" titled "Error!", ...), over the
    // window it speaks for (the active window when none is named) and brought to the front.
    virtual void message(const QString& title, const QString& text, QWidget* over = nullptr) = 0;
    // The application's standard error box, titled applicationTitle() (conversion errors).
    virtual void applicationError(const QString& text, QWidget* over = nullptr) = 0;
    // File dialogs; an empty result means the operator cancelled.
    virtual QString openFileName(const QString& filter, const QString& defaultSuffix,
                                 const QString& folder) = 0;
    virtual QString saveFileName(const QString& filter, const QString& defaultSuffix,
                                 const QString& folder) = 0;
    // A question before something that cannot be undone, answered Yes or No; No is the default
    // button and Escape answers it.
    virtual bool confirm(const QString& title, const QString& text) = 0;
    // A list to pick one item from; the index picked, or -1 when the operator cancelled.
    virtual int chooseItem(const QString& title, const QString& label, const QStringList& items) = 0;
    virtual void beep() = 0;
    virtual void setWaitCursor(bool on) = 0;
};

class QMessageBox;

// Widens a message box so that the window system shows its whole title: a box is only as wide as
// its text, and a short text under a title bar with buttons cut "Error!" to "E…r!".
void fitTitle(QMessageBox& box);

// Title of the application's error box, in the window's language.
QString applicationTitle();

// The prompts in use; the Qt implementation unless a test installed another.
Prompts& prompts();
// Installs p (not owned); nullptr restores the Qt implementation.
void setPrompts(Prompts* p);
