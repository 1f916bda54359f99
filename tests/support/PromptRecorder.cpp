#include "tests/support/PromptRecorder.h"

PromptRecorder::PromptRecorder() {
    setPrompts(this);
}

PromptRecorder::~PromptRecorder() {
    setPrompts(nullptr);
}

void PromptRecorder::message(const QString& title, const QString& text) {
    messages.push_back({title, text});
    if (atMessage)
        atMessage();
}

void PromptRecorder::applicationError(const QString& text) {
    messages.push_back({applicationTitle(), text});
    if (atMessage)
        atMessage();
}

QString PromptRecorder::openFileName(const QString& filter, const QString& defaultSuffix,
                                     const QString& folder) {
    fileRequests.push_back({false, filter, defaultSuffix, folder});
    return scriptedFileNames.isEmpty() ? QString() : scriptedFileNames.takeFirst();
}

QString PromptRecorder::saveFileName(const QString& filter, const QString& defaultSuffix,
                                     const QString& folder) {
    fileRequests.push_back({true, filter, defaultSuffix, folder});
    return scriptedFileNames.isEmpty() ? QString() : scriptedFileNames.takeFirst();
}

int PromptRecorder::chooseItem(const QString&, const QString&, const QStringList& items) {
    choices.push_back(items);
    if (scriptedChoices.empty())
        return 0;
    int answer = scriptedChoices.front();
    scriptedChoices.erase(scriptedChoices.begin());
    return answer;
}

bool PromptRecorder::ask(const QString& title, const QString& text) {
    questions.push_back({title, text});
    if (scriptedAnswers.empty())
        return false;
    const bool answer = scriptedAnswers.front();
    scriptedAnswers.erase(scriptedAnswers.begin());
    return answer;
}

void PromptRecorder::beep() {
    ++beeps;
}

void PromptRecorder::setWaitCursor(bool on) {
    waitCursorChanges.push_back(on);
}

void PromptRecorder::clear() {
    messages.clear();
    scriptedFileNames.clear();
    fileRequests.clear();
    choices.clear();
    scriptedChoices.clear();
    questions.clear();
    scriptedAnswers.clear();
    beeps = 0;
    waitCursorChanges.clear();
}
