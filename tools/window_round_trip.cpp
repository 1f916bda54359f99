// Drives the program's own windows through a shop's risky work against the scale on COM1, as an
// operator would with the mouse: CONNECT, Load From SCALE of PLUs 1 to 20, one price changed in the
// grid (typed in the desktop's number format) and Save To SCALE, then CLOSE Z (the Z report read and
// archived) and OK with the password. Each step is checked by what the window shows afterwards; any
// message box counts as a failure. The Windows test runs it under Wine from the installed folder and
// compares the bytes the emulated scale received with those of the same run on Linux.
// usage: window-round-trip PASSWORD   (exit 0 when every step did what it should)
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "plu/PluTab.h"
#include "plu/PluTable.h"
#include "reports/CloseZDialog.h"
#include "reports/ReportsTab.h"
#include "tools/PrintedPrompts.h"

#include "ui_CloseZDialog.h"
#include "ui_MainWindow.h"
#include "ui_PluTab.h"
#include "ui_ReportsTab.h"

#include <QApplication>
#include <QLocale>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

bool check(bool ok, const char* step) {
    std::fprintf(ok ? stdout : stderr, "window-round-trip: %s: %s\n", step, ok ? "done" : "FAILED");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-round-trip PASSWORD\n");
        return 2;
    }
    const QString password = QString::fromLocal8Bit(argv[1]);
    PrintedPrompts printed("window-round-trip");
    setPrompts(&printed);
    createForms();
    // The archive and the PLU record in a folder of the run's own, not the user's data folder.
    QTemporaryDir folder;
    theMainWindow->session.archiveLocation = folder.filePath(QStringLiteral("archive.db"));
    theMainWindow->session.recordsDatabase = folder.filePath(QStringLiteral("records.db"));
    theMainWindow->show();

    bool ok = true;
    theMainWindow->ui->connectButton->click();
    ok = check(theMainWindow->session.isConnected() && !theMainWindow->session.scaleIdentity.isEmpty(),
               "CONNECT on COM1") &&
         ok;
    std::printf("window-round-trip: the scale is %s\n", qPrintable(theMainWindow->session.scaleIdentity));

    PluTab* plu = theMainWindow->pluTab;
    plu->ui->fromSpin->setValue(1);
    plu->ui->toSpin->setValue(20);
    plu->ui->loadFromScaleButton->click();
    PluTable& grid = plu->table();
    // Row 1 is PLU 0; the emulated scale holds a few PLUs at the start of the range.
    int read = 0;
    for (int row = 2; row <= 21; ++row)
        read += grid.rowInUse(row) && grid.cell(NumColumn, row) == QString::number(row - 1) ? 1 : 0;
    ok =
        check(read >= 3 && grid.cell(NumColumn, 4) == QStringLiteral("3"), "Load From SCALE, PLUs 1 to 20") &&
        ok;
    std::printf("window-round-trip: %d PLUs read\n", read);
    // PLU 3's price as the operator types it on this desktop: 12,34 on a comma desktop.
    grid.setCell(PriceColumn, 4, QLocale().toString(12.34, 'f', 2));
    plu->ui->saveToScaleButton->click();
    ok = check(printed.messages == 0, "a changed price, Save To SCALE") && ok;

    ReportsTab* reports = theMainWindow->reportsTab;
    theMainWindow->ui->pages->setCurrentWidget(theMainWindow->ui->reportsPage);
    reports->ui->closeZButton->click();
    ok = check(theCloseZDialog->isVisible() && !reports->ui->reportMemo->toPlainText().isEmpty(),
               "CLOSE Z: the Z report read and archived") &&
         ok;
    theCloseZDialog->ui->passwordSpin->setValue(password.toInt());
    theCloseZDialog->ui->okButton->click();
    ok = check(!theCloseZDialog->isVisible() && printed.messages == 0, "OK: the day closed") && ok;

    theMainWindow->connectOrDisconnect();
    destroyForms();
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
