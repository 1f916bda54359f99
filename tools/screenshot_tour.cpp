// Takes the pictures of the windows for the documentation: creates the windows as the program does,
// connects to the scale on COM1 with a click on CONNECT (tools/screenshots.sh starts the emulated
// scale there), reads its PLUs, and saves main.png, help.png and progress.png into the folder given,
// and transfer.png, the whole screen while the PLUs are read (where the progress dialog opens).
#include "app/Forms.h"
#include "app/Prompts.h"
#include "app/UNIT1.h"
#include "app/Unit2.h"
#include "app/Unit5.h"
#include "plu/PluTab.h"

#include "ui_UNIT1.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

// A message box would wait for a click nobody makes; the tour prints the message and goes on.
class PrintedPrompts final : public Prompts {
public:
    void message(const QString& title, const QString& text) override {
        std::fprintf(stderr, "screenshot-tour: %s: %s\n", qPrintable(title), qPrintable(text));
    }
    void applicationError(const QString& text) override { message(applicationTitle(), text); }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
    void setWaitCursor(bool) override {}
};

// Lets the window system map and draw what was just shown.
void settle() {
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget* window, const QDir& folder, const QString& name) {
    QString path = folder.filePath(name);
    if (window->grab().save(path))
        return true;
    std::fprintf(stderr, "screenshot-tour: cannot write %s\n", qPrintable(path));
    return false;
}

bool saveScreen(const QDir& folder, const QString& name) {
    QString path = folder.filePath(name);
    if (QGuiApplication::primaryScreen()->grabWindow(0).save(path))
        return true;
    std::fprintf(stderr, "screenshot-tour: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot-tour FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "screenshot-tour: cannot create %s\n", argv[1]);
        return 1;
    }
    PrintedPrompts printed;
    setPrompts(&printed);
    createForms();
    Form1->show();
    settle();

    Form1->ui->Button11->click();
    settle();
    if (!Form1->session.isConnected()) {
        std::fprintf(stderr, "screenshot-tour: no scale answered on COM1\n");
        return 1;
    }
    // A table read from the scale shows what the window is for. The transfer lets the window system
    // run between records, which is when the screen is taken.
    bool saved = true;
    QTimer::singleShot(500, [&] { saved = saveScreen(folder, QStringLiteral("transfer.png")); });
    Form1->pluTab->Button7Click();
    settle();
    saved = save(Form1, folder, QStringLiteral("main.png")) && saved;

    Form1->ui->Button15->click();
    settle();
    saved = save(Form5, folder, QStringLiteral("help.png")) && saved;

    Form2->begin(1799);
    Form2->step(600, QStringLiteral("600 PLUs"));
    settle();
    saved = save(Form2, folder, QStringLiteral("progress.png")) && saved;
    Form2->finish();

    destroyForms();
    return saved ? 0 : 1;
}
