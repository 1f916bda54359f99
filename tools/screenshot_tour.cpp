// Takes the pictures of the windows for the documentation: creates the windows as the program does,
// connects to the scale on COM1 with a click on CONNECT (tools/screenshots.sh starts the emulated
// scale there, in calibration mode), reads its PLUs, and saves a picture of every window and tab
// into the folder given (main.png, help.png, progress.png, terminal.png, system.png, reports.png,
// closez.png, history.png, ...), and transfer.png, the whole screen while the PLUs are read (where the
// progress dialog opens); last the connection bar's context menu (monitor-menu.png) and the line
// monitor it opens during a second read (monitor.png, monitor-transfer.png).
#include "app/Forms.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "logo/LogoWindow.h"
#include "plu/PluTab.h"
#include "reports/CloseZDialog.h"
#include "reports/HistoryWindow.h"
#include "reports/ReportsTab.h"
#include "settings/SettingsTab.h"
#include "terminal/TerminalWindow.h"
#include "tools/PrintedPrompts.h"
#include "ui/ProgressDialog.h"
#include "ui/Translations.h"

#include "ui_MainWindow.h"
#include "ui_TerminalWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// A made-up shop photo: sky, sun, hills and a name, with smooth tones and hard edges, so the
// logo window has both to dither.
QImage testPhoto() {
    QImage photo(384, 240, QImage::Format_RGB32);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 220, 170));
    painter.fillRect(photo.rect(), sky);
    QRadialGradient sun(290, 80, 50);
    sun.setColorAt(0, QColor(255, 255, 230));
    sun.setColorAt(1, QColor(255, 170, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(290, 80), 45, 45);
    painter.setBrush(QColor(60, 120, 50));
    painter.drawEllipse(QRectF(-80, 160, 320, 160));
    painter.setBrush(QColor(30, 80, 30));
    painter.drawEllipse(QRectF(150, 175, 320, 140));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 190, 384, 50), Qt::AlignCenter, QStringLiteral("FRESH MARKET"));
    return photo;
}

// Lets the window system map and draw what was just shown.
void settle() {
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
}

// Six weeks of closes of two scales, for the HISTORY window: a shop's day with a morning and an
// evening peak, busier Saturdays, closed Sundays, and four clerks of whom one works part time.
bool fillArchive(const QString& where) {
    QString error;
    auto archive = store::SalesArchive::open(where, &error);
    if (!archive)
        return false;
    const QDate first = QDate::currentDate().addDays(-42);
    for (int day = 0; day < 42; ++day) {
        const QDate date = first.addDays(day);
        if (date.dayOfWeek() == Qt::Sunday)
            continue;
        for (int scale = 1; scale <= 2; ++scale) {
            store::ArchiveEntry entry;
            entry.readAtLocal = QDateTime(date, QTime(20, 5 * scale));
            entry.readAt = entry.readAtLocal.toUTC();
            entry.identity = QStringLiteral("SCALE %1 15KG").arg(scale);
            entry.port = QStringLiteral("COM%1").arg(scale);
            entry.kind = store::ReportKind::Z;
            entry.closeAcknowledged = true;
            store::ReportFigures& f = entry.figures;
            f.document = 200 + day * 2 + scale;
            const int busy = (date.dayOfWeek() == Qt::Saturday ? 160 : 100) + (day * 37 + scale * 11) % 35;
            for (int hour = 8; hour < 20; ++hour) {
                const int peak = hour == 10 || hour == 11 ? 3 : hour >= 16 && hour <= 18 ? 4 : 1;
                f.hourCounts[size_t(hour)] = peak * busy / 20 + hour % 3;
                f.hourAmounts[size_t(hour)] = f.hourCounts[size_t(hour)] * (1150 + 13 * ((hour + day) % 9));
                f.grandTotal += f.hourAmounts[size_t(hour)];
            }
            f.taxes[0] = f.grandTotal * 7 / 107;
            f.taxes[1] = f.grandTotal / 20;
            const int64_t shares[] = {40, 30, 20, 10};
            for (size_t n = 0; n < 4; ++n) {
                store::ClerkFigures& c = f.clerks[n];
                c.sales = f.grandTotal * shares[n] / 100;
                c.cash = c.sales * 7 / 10;
                c.credit = c.sales - c.cash;
                c.clients = c.sales / 1800;
                c.operations = c.clients * 3;
            }
            if (!archive->store(entry, &error))
                return false;
        }
    }
    return true;
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
    // The windows in the desktop's language, as the program shows them (tools/screenshots.sh takes
    // the Czech pictures with LANGUAGE=cs).
    Translations translations;
    translations.install(QLocale::system());
    PrintedPrompts printed("screenshot-tour");
    setPrompts(&printed);
    createForms();
    QTemporaryDir archiveFolder;
    theMainWindow->session.archiveLocation = archiveFolder.filePath(QStringLiteral("archive.db"));
    if (!fillArchive(theMainWindow->session.archiveLocation)) {
        std::fprintf(stderr, "screenshot-tour: cannot fill the sales archive\n");
        return 1;
    }
    theMainWindow->show();
    settle();

    theMainWindow->ui->connectButton->click();
    settle();
    if (!theMainWindow->session.isConnected()) {
        std::fprintf(stderr, "screenshot-tour: no scale answered on COM1\n");
        return 1;
    }
    // A table read from the scale shows what the window is for. The transfer lets the window system
    // run between records, which is when the screen is taken.
    bool saved = true;
    QTimer::singleShot(500, [&] { saved = saveScreen(folder, QStringLiteral("transfer.png")); });
    theMainWindow->pluTab->loadRangeFromScale();
    settle();
    saved = save(theMainWindow, folder, QStringLiteral("main.png")) && saved;

    theMainWindow->ui->helpButton->click();
    settle();
    saved = save(theHelpWindow, folder, QStringLiteral("help.png")) && saved;

    theProgressDialog->begin(1799);
    theProgressDialog->step(600, QCoreApplication::translate("PluTab", "%1 PLUs").arg(600));
    settle();
    saved = save(theProgressDialog, folder, QStringLiteral("progress.png")) && saved;
    theProgressDialog->finish();

    // The terminal, opened with TERMINAL: a unit price typed on its keys and shift on; the
    // displays it shows come from its own polls while it is the active window.
    theMainWindow->ui->terminalButton->click();
    theTerminalWindow->activateWindow();
    for (QPushButton* key : {theTerminalWindow->ui->key2, theTerminalWindow->ui->key4,
                             theTerminalWindow->ui->key0, theTerminalWindow->ui->keyShift})
        key->click();
    settle();
    saved = save(theTerminalWindow, folder, QStringLiteral("terminal.png")) && saved;
    // The SYSTEM tab shows while the scale reports calibration mode (the script starts it so).
    if (theMainWindow->ui->pages->isTabVisible(
            theMainWindow->ui->pages->indexOf(theMainWindow->ui->systemPage))) {
        theMainWindow->ui->pages->setCurrentWidget(theMainWindow->ui->systemPage);
        settle();
        saved = save(theMainWindow, folder, QStringLiteral("system.png")) && saved;
    } else {
        std::fprintf(stderr, "screenshot-tour: the scale is not in calibration mode, no SYSTEM tab\n");
        saved = false;
    }
    // The Z report on the REPORTS tab with the confirmation waiting beside it; nothing is closed.
    theMainWindow->ui->pages->setCurrentWidget(theMainWindow->ui->reportsPage);
    theMainWindow->reportsTab->closeZ();
    settle();
    saved = save(theMainWindow, folder, QStringLiteral("reports.png")) && saved;
    saved = save(theCloseZDialog, folder, QStringLiteral("closez.png")) && saved;
    theCloseZDialog->hide();
    // The archive of six weeks with the Z report just read as its newest entry.
    theMainWindow->reportsTab->showHistory();
    settle();
    HistoryWindow* history = theMainWindow->reportsTab->historyWindow;
    saved = save(history, folder, QStringLiteral("history.png")) && saved;
    // The newest day alone (one bar), then a period without reports.
    const QDate newest = history->entries().back().readAtLocal.date();
    history->fromEdit->setDate(newest);
    history->toEdit->setDate(newest);
    history->loadEntries();
    settle();
    saved = save(history, folder, QStringLiteral("history-day.png")) && saved;
    history->fromEdit->setDate(newest.addDays(1));
    history->toEdit->setDate(newest.addDays(30));
    history->loadEntries();
    settle();
    saved = save(history, folder, QStringLiteral("history-empty.png")) && saved;
    history->hide();
    QImage photo = testPhoto();
    QString photoBitmap = folder.filePath(QStringLiteral("logo-photo.bmp"));
    saved = photo.save(folder.filePath(QStringLiteral("logo-photo.png"))) && photo.save(photoBitmap, "BMP") &&
            saved;
    printed.openAnswers << photoBitmap;
    theLogoWindow->show();
    theLogoWindow->loadBitmap();
    settle();
    saved = save(theLogoWindow, folder, QStringLiteral("logo.png")) && saved;
    theLogoWindow->hide();
    // The SETTINGS tab as the scale has them.
    theMainWindow->ui->pages->setCurrentWidget(theMainWindow->ui->settingsPage);
    theMainWindow->settingsTab->loadFromScale();
    settle();
    saved = save(theMainWindow, folder, QStringLiteral("settings.png")) && saved;

    // The connection bar's context menu, opened with a right click on FIND; its item opens the line
    // monitor (Ctrl+L) for a second Load From SCALE, shown alone and over the main window.
    theMainWindow->ui->pages->setCurrentWidget(theMainWindow->ui->pluPage);
    QTimer::singleShot(500, [&] {
        saved = saveScreen(folder, QStringLiteral("monitor-menu.png")) && saved;
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menu->actions().value(0)->trigger();
            menu->close();
        }
    });
    QWidget* find = theMainWindow->ui->findButton;
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(10, 10), find->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(find, &rightClick);
    settle();
    QWidget* monitor = theMainWindow->session.lineMonitor;
    QTimer::singleShot(700, [&] {
        saved = save(monitor, folder, QStringLiteral("monitor.png")) && saved;
        saved = saveScreen(folder, QStringLiteral("monitor-transfer.png")) && saved;
    });
    theMainWindow->pluTab->loadRangeFromScale();
    settle();

    destroyForms();
    return saved ? 0 : 1;
}
