// Where the secondary windows open: over the main window, wherever it is, except the terminal, which
// is centred on the screen.
#include "app/Forms.h"
#include "app/UNIT1.h"
#include "app/Unit5.h"
#include "logo/Unit4.h"
#include "reports/Unit6.h"
#include "terminal/Unit3.h"
#include "ui/Unit2.h"

#include <QScreen>
#include <gtest/gtest.h>

namespace {

struct WindowPlacementTest : ::testing::Test {
    void SetUp() override {
        createForms();
        Form1->show();
    }
    void TearDown() override { destroyForms(); }
};

} // namespace

TEST_F(WindowPlacementTest, SecondaryWindowsOpenCentredOverTheMainWindow) {
    for (QPoint mainAt : {QPoint(0, 0), QPoint(300, 200)}) {
        Form1->move(mainAt);
        for (QWidget* window : std::initializer_list<QWidget*>{Form2, Form4, Form5, Form6}) {
            window->move(0, 0);
            window->show();
            EXPECT_LE((window->frameGeometry().center() - Form1->frameGeometry().center()).manhattanLength(),
                      4)
                << window->windowTitle().toStdString() << " with the main window at " << mainAt.x() << ','
                << mainAt.y();
            window->hide();
        }
    }
    // Opened again after the operator moved it, it comes back over the main window.
    Form5->show();
    Form5->move(5, 5);
    Form5->hide();
    Form5->show();
    EXPECT_LE((Form5->frameGeometry().center() - Form1->frameGeometry().center()).manhattanLength(), 4);
}

TEST_F(WindowPlacementTest, TerminalStaysCentredOnTheScreen) {
    Form1->move(300, 200);
    Form3->show();
    QPoint screenCentre = Form3->screen()->availableGeometry().center();
    EXPECT_LE((Form3->frameGeometry().center() - screenCentre).manhattanLength(), 4);
}
