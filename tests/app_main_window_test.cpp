// The main window without a scale: start-up state, the connection bar's design, the guard, the
// failures of CONNECT that need no answering scale, HELP, TERMINAL and the focus order.
#include "app/Forms.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "link/SerialPort.h"
#include "logo/LogoWindow.h"
#include "reports/CloseZDialog.h"
#include "terminal/TerminalWindow.h"
#include "tests/support/FormsTest.h"
#include "ui/CircleShape.h"
#include "ui/ProgressDialog.h"

#include "ui_MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct MainWindowTest : FormsTest {
    QTemporaryDir portFolder;
    Ui::MainWindow* ui = nullptr;

    void SetUp() override {
        ASSERT_TRUE(portFolder.isValid());
        // No ports/ links here: COMn would fall back to /dev/ttyS<n-1>, so the tests that open a
        // port point COM1 at a pty of their own.
        ASSERT_TRUE(QDir(portFolder.path()).mkpath(QStringLiteral("ports")));
        setPortLinkFolder(portFolder.path().toStdString());
        FormsTest::SetUp();
        ui = theMainWindow->ui;
    }
    int systemTab() const { return ui->pages->indexOf(ui->systemPage); }
    void typeInto(QComboBox* box, const QString& text) {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, text);
    }
};

TEST_F(MainWindowTest, StartsDisconnectedWithTheDesignSelections) {
    theMainWindow->show();
    EXPECT_EQ(theMainWindow->windowTitle(), QStringLiteral("KLO VELDRAN UTILITY REZ1.63"));
    EXPECT_EQ(ui->portCombo->currentIndex(), 0);
    EXPECT_EQ(ui->portCombo->currentText(), QStringLiteral("COM1"));
    EXPECT_EQ(ui->baudCombo->currentIndex(), 3);
    EXPECT_EQ(ui->baudCombo->currentText(), QStringLiteral("9600"));
    EXPECT_EQ(ui->pages->currentWidget(), ui->pluPage);
    EXPECT_FALSE(ui->pages->isTabVisible(systemTab()));
    EXPECT_EQ(ui->statusLabel->text(), QStringLiteral("Last Status: "));
    EXPECT_EQ(ui->connectButton->text(), QStringLiteral("CONNECT"));
    EXPECT_EQ(ui->connectionLight->brushColor(), QColor(0, 128, 0));
    EXPECT_TRUE(ui->scaleIdLabel->text().isEmpty());
    EXPECT_FALSE(theMainWindow->session.isConnected());
    EXPECT_FALSE(theLink.port.isOpen);

    EXPECT_TRUE(theMainWindow->isVisible());
    for (QWidget* other : std::initializer_list<QWidget*>{theProgressDialog, theTerminalWindow, theLogoWindow,
                                                          theHelpWindow, theCloseZDialog})
        EXPECT_FALSE(other->isVisible()) << other->windowTitle().toStdString();
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(MainWindowTest, FramesAndBarFollowTheDesign) {
    EXPECT_EQ(theMainWindow->size(), QSize(890, 524));
    EXPECT_EQ(theMainWindow->minimumSize(), theMainWindow->maximumSize());
    EXPECT_FALSE(theMainWindow->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(theMainWindow->windowFlags() & Qt::WindowMinimizeButtonHint);

    QStringList ports, bauds;
    for (int i = 0; i < ui->portCombo->count(); ++i)
        ports << ui->portCombo->itemText(i);
    for (int i = 0; i < ui->baudCombo->count(); ++i)
        bauds << ui->baudCombo->itemText(i);
    EXPECT_EQ(ports.join(' '), QStringLiteral("COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8"));
    EXPECT_EQ(bauds.join(' '), QStringLiteral("1200 2400 4800 9600 14400 19200 28800 38400 57600 115200"));
    EXPECT_TRUE(ui->baudCombo->isEditable());
    EXPECT_EQ(ui->baudCombo->insertPolicy(), QComboBox::NoInsert);
    EXPECT_FALSE(ui->spareEdit->isEnabled());
    EXPECT_EQ(ui->spareEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(ui->portCombo->toolTip(), QStringLiteral("choice the comport"));
    EXPECT_EQ(ui->baudCombo->toolTip(), QStringLiteral("choice the baudrate"));
    EXPECT_EQ(ui->connectButton->toolTip(), QStringLiteral("connect/disconnect to the scale"));
    EXPECT_EQ(ui->connectionLight->toolTip(), QStringLiteral("indicator, light-green if connect"));
    EXPECT_EQ(ui->terminalButton->toolTip(), QStringLiteral("scale terminal"));
    EXPECT_EQ(ui->statusLabel->toolTip(), QStringLiteral("Last transmision status"));
    EXPECT_TRUE(ui->statusLabel->font().fixedPitch());
    EXPECT_EQ(ui->statusLabel->font().styleHint(), QFont::TypeWriter);
    QStringList tabs;
    for (int i = 0; i < ui->pages->count(); ++i)
        tabs << ui->pages->tabText(i);
    EXPECT_EQ(tabs.join(' '), QStringLiteral("PLU SETTINGS REPORTS SYSTEM"));
    EXPECT_TRUE(ui->scaleIdLabel->alignment() & Qt::AlignRight);

    EXPECT_EQ(theTerminalWindow->windowTitle(), QStringLiteral("TERMINAL"));
    EXPECT_EQ(theTerminalWindow->size(), QSize(233, 299));
    EXPECT_TRUE(theTerminalWindow->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(theLogoWindow->windowTitle(), QStringLiteral("LOAD LOGO"));
    EXPECT_EQ(theLogoWindow->size(), QSize(401, 326));
    EXPECT_TRUE(theLogoWindow->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(theCloseZDialog->windowTitle(), QStringLiteral("CLOSE Z"));
}

TEST_F(MainWindowTest, KeyboardFocusFollowsTheBarThenThePages) {
    theMainWindow->show();
    QApplication::setActiveWindow(theMainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(theMainWindow));
    ui->portCombo->setFocus();
    std::vector<QWidget*> expected{ui->baudCombo, ui->connectButton, ui->terminalButton, ui->helpButton,
                                   ui->closeButton};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(ui->pages->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(MainWindowTest, GuardRefusesEveryScaleOperationWhileDisconnected) {
    EXPECT_FALSE(theMainWindow->session.requireConnection());
    theMainWindow->showTerminal();
    EXPECT_FALSE(theTerminalWindow->isVisible());
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{notConnected, notConnected}));
}

TEST_F(MainWindowTest, BaudThatIsNotAWholeNumberEndsConnectWithTheConversionMessage) {
    typeInto(ui->baudCombo, QStringLiteral("96OO"));
    theMainWindow->connectOrDisconnect();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, applicationTitle());
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("'96OO' is not a valid integer value"));
    EXPECT_FALSE(theLink.port.isOpen);
    EXPECT_EQ(ui->connectButton->text(), QStringLiteral("CONNECT"));
}

TEST_F(MainWindowTest, PortThatCannotBeOpenedLeavesTheBarDisconnected) {
    // A typed port name is no selection: port 0, which never opens.
    typeInto(ui->portCombo, QStringLiteral("COM9"));
    ASSERT_EQ(ui->portCombo->currentIndex(), -1);
    theMainWindow->connectOrDisconnect();
    typeInto(ui->portCombo, QStringLiteral("/nonexistent/ttyUSB0"));
    theMainWindow->connectOrDisconnect();
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{cannotOpen, cannotOpen}));
    EXPECT_FALSE(theMainWindow->session.isConnected());
    EXPECT_EQ(ui->connectButton->text(), QStringLiteral("CONNECT"));
    EXPECT_EQ(ui->connectionLight->brushColor(), QColor(0, 128, 0));
    EXPECT_EQ(ui->statusLabel->text(), QStringLiteral("Last Status: "));
}

TEST_F(MainWindowTest, ConnectWithoutAnAnsweringScaleClosesThePortAgain) {
    // A pty with nobody behind it: the port opens, the identity request is never answered.
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    QString slave = QString::fromLocal8Bit(ptsname(master));
    ASSERT_TRUE(QFile::link(slave, portFolder.filePath(QStringLiteral("ports/COM1"))));

    QElapsedTimer clock;
    clock.start();
    theMainWindow->connectOrDisconnect();
    qint64 elapsed = clock.elapsed();
    close(master);

    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{communicationError}));
    // Three attempts of 1100 ms each; the margin keeps a loaded machine from failing the test.
    EXPECT_GE(elapsed, 3300 * 8 / 10);
    EXPECT_FALSE(theMainWindow->session.isConnected());
    EXPECT_EQ(ui->connectButton->text(), QStringLiteral("CONNECT"));
    EXPECT_EQ(ui->connectionLight->brushColor(), QColor(0, 128, 0));
    EXPECT_TRUE(ui->scaleIdLabel->text().isEmpty());
    EXPECT_TRUE(ui->statusLabel->text().startsWith(QStringLiteral("STATUS:")));

    recorder.clear();
    theMainWindow->showTerminal();
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{notConnected}));
}

TEST_F(MainWindowTest, HelpShowsItsLinesWithoutAConnection) {
    theMainWindow->showHelp();
    ASSERT_TRUE(theHelpWindow->isVisible());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(theHelpWindow->windowTitle(), QStringLiteral("HELP"));
    EXPECT_EQ(theHelpWindow->size(), QSize(378, 274));
    EXPECT_TRUE(theHelpWindow->helpText->isReadOnly());
    EXPECT_EQ(theHelpWindow->helpText->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QStringList lines = theHelpWindow->helpText->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 48);
    EXPECT_EQ(lines[0], QStringLiteral("KLO VELLDRAN UTILITY PROGRAM"));
    EXPECT_EQ(lines[1], QString(51, QLatin1Char('-')));
    EXPECT_EQ(lines[14], QStringLiteral("appropriated buttons, and press the button CONNECT."));
    EXPECT_EQ(lines[20], QString(19, QLatin1Char(' ')) + QStringLiteral("GOOD LUCK"));
    // After them, what came later: FIND, HISTORY and the line monitor's key; the Z close (what it
    // clears, the password, one a day, a refused close), the logo's BMP files, and what to do after a
    // communication error.
    const QString later = lines.mid(21).join(QLatin1Char(' '));
    for (const char* named : {"FIND", "HISTORY", "Ctrl+L", "LINE MONITOR", "CLOSE Z",
                              "clears the day's totals", "password", "One Z a day", "did not close the day",
                              "BMP files", "\"Communication Error!\"", "cable", "baud rate", "right click"})
        EXPECT_TRUE(later.contains(QLatin1String(named))) << named;
    for (const QString& line : lines)
        EXPECT_LE(line.size(), 51) << "no line wraps: " << line.toStdString();
    // A second click leaves the window as it is.
    theMainWindow->showHelp();
    EXPECT_TRUE(theHelpWindow->isVisible());
}

// The line monitor opens with Ctrl+L and from the connection bar's context menu; the tabs below the
// bar have no such menu.
TEST_F(MainWindowTest, LineMonitorOpensFromTheKeyAndTheBarsMenu) {
    theMainWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(theMainWindow));
    QWidget* monitor = theMainWindow->session.lineMonitor;
    QTest::keyClick(theMainWindow, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(monitor->isVisible());
    monitor->hide();

    // A right click: on FIND, then on the PLU tab; the menu, when one opens, is read and its item chosen.
    auto rightClick = [](QWidget* widget) {
        QStringList items;
        QTimer::singleShot(0, [&items] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                for (QAction* action : popup->actions())
                    items << action->text() + QLatin1Char('|') + action->shortcut().toString();
                popup->actions().first()->trigger();
                popup->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &event);
        QCoreApplication::processEvents();
        return items;
    };
    EXPECT_EQ(rightClick(ui->findButton), QStringList{QStringLiteral("Line monitor|Ctrl+L")});
    EXPECT_TRUE(monitor->isVisible());
    monitor->hide();
    EXPECT_TRUE(rightClick(ui->pages->widget(0)).isEmpty());
    EXPECT_FALSE(monitor->isVisible());
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgramWithOtherWindowsOpen) {
    theMainWindow->show();
    theHelpWindow->show();
    QTimer::singleShot(0, ui->closeButton, &QPushButton::click);
    // Without the main window ending the run, the open help window would keep the loop going.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(theMainWindow->isVisible());
}

} // namespace
