// Prompts for the programs in tools/ that drive the windows without a person: a message box would
// wait for a click nobody makes, so each message is printed and counted, every question is answered
// Yes, and file dialogs answer from a list given beforehand.
#pragma once

#include "ui/Prompts.h"

#include <cstdio>

class PrintedPrompts final : public Prompts {
public:
    explicit PrintedPrompts(const char* program) : program(program) {}

    void message(const QString& title, const QString& text, QWidget*) override {
        ++messages;
        std::fprintf(stderr, "%s: %s: %s\n", program, qPrintable(title), qPrintable(text));
    }
    void applicationError(const QString& text, QWidget* over) override {
        message(applicationTitle(), text, over);
    }
    bool confirm(const QString& title, const QString& text) override {
        std::fprintf(stderr, "%s: %s: %s: yes\n", program, qPrintable(title), qPrintable(text));
        return true;
    }
    QString openFileName(const QString&, const QString&, const QString&) override {
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int chooseItem(const QString&, const QString&, const QStringList&) override { return 0; }
    void beep() override {}
    void setWaitCursor(bool) override {}

    // What the next file-open dialogs answer, first to last.
    QStringList openAnswers;
    // How many message boxes would have been shown.
    int messages = 0;

private:
    const char* program;
};
