// Every modal message box, file dialog, beep and wait cursor of the program goes through Prompts.
// The program installs the Qt implementation; tests install a recorder that never blocks.
#pragma once

#include <QString>
#include <QStringList>

class Prompts {
public:
    virtual ~Prompts() = default;
    // A modal box with an OK button only ("Communication Error!" titled "Error!", ...).
    virtual void message(const QString& title, const QString& text) = 0;
    // The application's standard error box, titled with the program's title (conversion errors).
    virtual void applicationError(const QString& text) = 0;
    // File dialogs; an empty result means the operator cancelled.
    virtual QString openFileName(const QString& filter, const QString& defaultSuffix,
                                 const QString& folder) = 0;
    virtual QString saveFileName(const QString& filter, const QString& defaultSuffix,
                                 const QString& folder) = 0;
    // A list to pick one item from; the index picked, or -1 when the operator cancelled.
    virtual int chooseItem(const QString& title, const QString& label, const QStringList& items) = 0;
    // A question with Yes and No, No the default (Enter or Escape does nothing risky): true for Yes.
    virtual bool ask(const QString& title, const QString& text) = 0;
    virtual void beep() = 0;
    virtual void setWaitCursor(bool on) = 0;
};

class QMessageBox;

// Widens a message box so that the window system shows its whole title: a box is only as wide as
// its text, and a short text under a title bar with buttons cut "Error!" to "E…r!".
void fitTitle(QMessageBox& box);

// Title of the application's error box: the program's name.
QString applicationTitle();

// The prompts in use; the Qt implementation unless a test installed another.
Prompts& prompts();
// Installs p (not owned); nullptr restores the Qt implementation.
void setPrompts(Prompts* p);
