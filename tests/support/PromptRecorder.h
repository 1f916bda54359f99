// Test stand-in for the program's prompts: records every message box (title and text) and file
// dialog request, answers file dialogs from a script, and never blocks.
// Constructing one installs it; destroying it puts the Qt prompts back.
#pragma once

#include "ui/Prompts.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct RecordedPrompt {
    QString title;
    QString text;
    bool operator==(const RecordedPrompt&) const = default;
};

// The message boxes that many windows show, as the recorder records them.
inline const RecordedPrompt notConnected{QStringLiteral("Error!"),
                                         QStringLiteral("You are not connected to the scale!")};
inline const RecordedPrompt communicationError{QStringLiteral("Error!"),
                                               QStringLiteral("Communication Error!")};
inline const RecordedPrompt cannotOpen{QStringLiteral("Error!"),
                                       QStringLiteral("Cannot initialize COM port!")};
inline const RecordedPrompt ioError{QStringLiteral("ERROR!"), QStringLiteral("I/O Error!")};

struct RecordedFileRequest {
    bool save;
    QString filter;
    QString defaultSuffix;
    QString folder;
};

class PromptRecorder : public Prompts {
public:
    PromptRecorder();
    ~PromptRecorder() override;
    PromptRecorder(const PromptRecorder&) = delete;
    PromptRecorder& operator=(const PromptRecorder&) = delete;

    void message(const QString& title, const QString& text) override;
    // Recorded with applicationTitle() as its title, as the real box shows it.
    void applicationError(const QString& text) override;
    QString openFileName(const QString& filter, const QString& defaultSuffix, const QString& folder) override;
    QString saveFileName(const QString& filter, const QString& defaultSuffix, const QString& folder) override;
    // Recorded in choices; answers the next scripted index (0 when the script is exhausted).
    int chooseItem(const QString& title, const QString& label, const QStringList& items) override;
    // Recorded in questions; answers the next scripted answer (No when the script is exhausted).
    bool ask(const QString& title, const QString& text) override;
    void beep() override;
    void setWaitCursor(bool on) override;

    // Message boxes and application error boxes, in the order shown.
    std::vector<RecordedPrompt> messages;
    // Answers of the next file dialogs, first to last; an exhausted script answers "" (cancelled).
    QStringList scriptedFileNames;
    std::vector<RecordedFileRequest> fileRequests;
    // The lists offered by chooseItem, and the answers to give, first to last.
    std::vector<QStringList> choices;
    std::vector<int> scriptedChoices;
    std::vector<RecordedPrompt> questions;
    std::vector<bool> scriptedAnswers;
    int beeps = 0;
    // Every change of the wait cursor, in order (true = hourglass on).
    std::vector<bool> waitCursorChanges;
    // Called as each message box appears, so a test can look at the windows at that moment.
    std::function<void()> atMessage;

    void clear();
};
