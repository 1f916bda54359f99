// Where the secondary windows open: over the main window, wherever it is, except the terminal, which
// is centred on the screen.
#include "app/Forms.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "logo/LogoWindow.h"
#include "reports/CloseZDialog.h"
#include "terminal/TerminalWindow.h"
#include "ui/ProgressDialog.h"

#include <QScreen>
#include <gtest/gtest.h>

namespace {

struct WindowPlacementTest : ::testing::Test {
    void SetUp() override {
        createForms();
        theMainWindow->show();
    }
    void TearDown() override { destroyForms(); }
};

} // namespace

TEST_F(WindowPlacementTest, SecondaryWindowsOpenCentredOverTheMainWindow) {
    for (QPoint mainAt : {QPoint(0, 0), QPoint(300, 200)}) {
        theMainWindow->move(mainAt);
        for (QWidget* window : std::initializer_list<QWidget*>{theProgressDialog, theLogoWindow,
                                                               theHelpWindow, theCloseZDialog}) {
            window->move(0, 0);
            window->show();
            EXPECT_LE((window->frameGeometry().center() - theMainWindow->frameGeometry().center())
                          .manhattanLength(),
                      4)
                << window->windowTitle().toStdString() << " with the main window at " << mainAt.x() << ','
                << mainAt.y();
            window->hide();
        }
    }
    // Opened again after the operator moved it, it comes back over the main window.
    theHelpWindow->show();
    theHelpWindow->move(5, 5);
    theHelpWindow->hide();
    theHelpWindow->show();
    EXPECT_LE(
        (theHelpWindow->frameGeometry().center() - theMainWindow->frameGeometry().center()).manhattanLength(),
        4);
}

TEST_F(WindowPlacementTest, TerminalStaysCentredOnTheScreen) {
    theMainWindow->move(300, 200);
    theTerminalWindow->show();
    QPoint screenCentre = theTerminalWindow->screen()->availableGeometry().center();
    EXPECT_LE((theTerminalWindow->frameGeometry().center() - screenCentre).manhattanLength(), 4);
}
