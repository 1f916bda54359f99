// The scale utility: creates its six windows, shows the main one and runs until it closes.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "app/WindowState.h"
#include "link/SerialPort.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "ui/Translations.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before the application exists, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("usage: scale-utility [Qt options]\n"
                      "       scale-utility --help | --version\n"
                      "The window of the scale utility; see scalectl(1) for the command-line companion.");
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("scale-utility " SCALE_VERSION);
            return 0;
        }
    }
    QApplication application(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry (its name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("scale-utility"));
    // The windows speak the desktop's language where the program has it, English otherwise.
    Translations translations;
    translations.install(QLocale::system());
    // The window-state file and the ports/ links live beside the program, or in the user's
    // configuration folder when the program is installed.
    QString folder = dataFolder(QCoreApplication::applicationDirPath());
    setPortLinkFolder(folder.toStdString());
    MainWindow::stateFile =
        folder + QLatin1Char('/') + windowstate::stateFileName(QCoreApplication::applicationFilePath());
    createForms();
    theMainWindow->session.recordsDatabase = store::defaultDatabase(folder);
    // The archive chosen in the HISTORY window last time, else the data folder's; the site from the
    // same choice, else from the environment as scalectl takes it.
    const ArchiveChoice choice = loadArchiveChoice(folder);
    theMainWindow->session.archiveLocation =
        choice.location.isEmpty() ? store::defaultDatabase(folder) : choice.location;
    theMainWindow->session.archiveSite =
        choice.site.isEmpty() ? qEnvironmentVariable("SCALE_SITE") : choice.site;
    theMainWindow->show();
    int result = QApplication::exec();
    const QString location = theMainWindow->session.archiveLocation;
    saveArchiveChoice(folder, {location == store::defaultDatabase(folder) ? QString() : location,
                               theMainWindow->session.archiveSite});
    destroyForms();
    return result;
}
