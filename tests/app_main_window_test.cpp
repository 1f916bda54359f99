// The main window without a scale: start-up state, the connection bar's design, the guard, the
// failures of CONNECT that need no answering scale, HELP, TERMINAL and the focus order.
#include "app/Forms.h"
#include "app/UNIT1.h"
#include "app/Unit5.h"
#include "link/FrameLink.h"
#include "link/SerialPort.h"
#include "logo/Unit4.h"
#include "reports/Unit6.h"
#include "terminal/Unit3.h"
#include "tests/support/FormsTest.h"
#include "ui/CircleShape.h"
#include "ui/Unit2.h"

#include "ui_UNIT1.h"

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
    Ui::TForm1* ui = nullptr;

    void SetUp() override {
        ASSERT_TRUE(portFolder.isValid());
        // No ports/ links here: COMn would fall back to /dev/ttyS<n-1>, so the tests that open a
        // port point COM1 at a pty of their own.
        ASSERT_TRUE(QDir(portFolder.path()).mkpath(QStringLiteral("ports")));
        setPortLinkFolder(portFolder.path().toStdString());
        FormsTest::SetUp();
        ui = Form1->ui;
    }
    int systemTab() const { return ui->PageControl1->indexOf(ui->TabSheet4); }
    void typeInto(QComboBox* box, const QString& text) {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, text);
    }
};

TEST_F(MainWindowTest, StartsDisconnectedWithTheDesignSelections) {
    Form1->show();
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("KLO VELDRAN UTILITY REZ1.63"));
    EXPECT_EQ(ui->ComboBox2->currentIndex(), 0);
    EXPECT_EQ(ui->ComboBox2->currentText(), QStringLiteral("COM1"));
    EXPECT_EQ(ui->ComboBox1->currentIndex(), 3);
    EXPECT_EQ(ui->ComboBox1->currentText(), QStringLiteral("9600"));
    EXPECT_EQ(ui->PageControl1->currentWidget(), ui->TabSheet1);
    EXPECT_FALSE(ui->PageControl1->isTabVisible(systemTab()));
    EXPECT_EQ(ui->Label4->text(), QStringLiteral("Last Status: "));
    EXPECT_EQ(ui->Button11->text(), QStringLiteral("CONNECT"));
    EXPECT_EQ(ui->Shape1->brushColor(), QColor(0, 128, 0));
    EXPECT_TRUE(ui->StaticText1->text().isEmpty());
    EXPECT_FALSE(Form1->session.isConnected());
    EXPECT_FALSE(theLink.port.isOpen);

    EXPECT_TRUE(Form1->isVisible());
    for (QWidget* other : std::initializer_list<QWidget*>{Form2, Form3, Form4, Form5, Form6})
        EXPECT_FALSE(other->isVisible()) << other->windowTitle().toStdString();
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(MainWindowTest, FramesAndBarFollowTheDesign) {
    EXPECT_EQ(Form1->size(), QSize(890, 524));
    EXPECT_EQ(Form1->minimumSize(), Form1->maximumSize());
    EXPECT_FALSE(Form1->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Form1->windowFlags() & Qt::WindowMinimizeButtonHint);

    QStringList ports, bauds;
    for (int i = 0; i < ui->ComboBox2->count(); ++i)
        ports << ui->ComboBox2->itemText(i);
    for (int i = 0; i < ui->ComboBox1->count(); ++i)
        bauds << ui->ComboBox1->itemText(i);
    EXPECT_EQ(ports.join(' '), QStringLiteral("COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8"));
    EXPECT_EQ(bauds.join(' '), QStringLiteral("1200 2400 4800 9600 14400 19200 28800 38400 57600 115200"));
    EXPECT_TRUE(ui->ComboBox1->isEditable());
    EXPECT_EQ(ui->ComboBox1->insertPolicy(), QComboBox::NoInsert);
    EXPECT_FALSE(ui->Edit5->isEnabled());
    EXPECT_EQ(ui->Edit5->text(), QStringLiteral("0"));
    EXPECT_EQ(ui->ComboBox2->toolTip(), QStringLiteral("choice the comport"));
    EXPECT_EQ(ui->ComboBox1->toolTip(), QStringLiteral("choice the baudrate"));
    EXPECT_EQ(ui->Button11->toolTip(), QStringLiteral("connect/disconnect to the scale"));
    EXPECT_EQ(ui->Shape1->toolTip(), QStringLiteral("indicator, light-green if connect"));
    EXPECT_EQ(ui->Button16->toolTip(), QStringLiteral("scale terminal"));
    EXPECT_EQ(ui->Label4->toolTip(), QStringLiteral("Last transmision status"));
    EXPECT_TRUE(ui->Label4->font().fixedPitch());
    EXPECT_EQ(ui->Label4->font().styleHint(), QFont::TypeWriter);
    QStringList tabs;
    for (int i = 0; i < ui->PageControl1->count(); ++i)
        tabs << ui->PageControl1->tabText(i);
    EXPECT_EQ(tabs.join(' '), QStringLiteral("PLU SETTINGS REPORTS SYSTEM"));
    EXPECT_TRUE(ui->StaticText1->alignment() & Qt::AlignRight);

    EXPECT_EQ(Form3->windowTitle(), QStringLiteral("TERMINAL"));
    EXPECT_EQ(Form3->size(), QSize(233, 299));
    EXPECT_TRUE(Form3->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Form4->windowTitle(), QStringLiteral("LOAD LOGO"));
    EXPECT_EQ(Form4->size(), QSize(401, 326));
    EXPECT_TRUE(Form4->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Form6->windowTitle(), QStringLiteral("CLOSE Z"));
}

TEST_F(MainWindowTest, KeyboardFocusFollowsTheBarThenThePages) {
    Form1->show();
    QApplication::setActiveWindow(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    ui->ComboBox2->setFocus();
    std::vector<QWidget*> expected{ui->ComboBox1, ui->Button11, ui->Button16, ui->Button15, ui->Button10};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(ui->PageControl1->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(MainWindowTest, GuardRefusesEveryScaleOperationWhileDisconnected) {
    EXPECT_FALSE(Form1->session.requireConnection());
    Form1->Button16Click();
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{notConnected, notConnected}));
}

TEST_F(MainWindowTest, BaudThatIsNotAWholeNumberEndsConnectWithTheConversionMessage) {
    typeInto(ui->ComboBox1, QStringLiteral("96OO"));
    Form1->Button11Click();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, applicationTitle());
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("'96OO' is not a valid integer value"));
    EXPECT_FALSE(theLink.port.isOpen);
    EXPECT_EQ(ui->Button11->text(), QStringLiteral("CONNECT"));
}

TEST_F(MainWindowTest, PortThatCannotBeOpenedLeavesTheBarDisconnected) {
    // A typed port name is no selection: port 0, which never opens.
    typeInto(ui->ComboBox2, QStringLiteral("COM9"));
    ASSERT_EQ(ui->ComboBox2->currentIndex(), -1);
    Form1->Button11Click();
    typeInto(ui->ComboBox2, QStringLiteral("/nonexistent/ttyUSB0"));
    Form1->Button11Click();
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{cannotOpen, cannotOpen}));
    EXPECT_FALSE(Form1->session.isConnected());
    EXPECT_EQ(ui->Button11->text(), QStringLiteral("CONNECT"));
    EXPECT_EQ(ui->Shape1->brushColor(), QColor(0, 128, 0));
    EXPECT_EQ(ui->Label4->text(), QStringLiteral("Last Status: "));
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
    Form1->Button11Click();
    qint64 elapsed = clock.elapsed();
    close(master);

    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{communicationError}));
    // Three attempts of 1100 ms each; the margin keeps a loaded machine from failing the test.
    EXPECT_GE(elapsed, 3300 * 8 / 10);
    EXPECT_FALSE(Form1->session.isConnected());
    EXPECT_EQ(ui->Button11->text(), QStringLiteral("CONNECT"));
    EXPECT_EQ(ui->Shape1->brushColor(), QColor(0, 128, 0));
    EXPECT_TRUE(ui->StaticText1->text().isEmpty());
    EXPECT_TRUE(ui->Label4->text().startsWith(QStringLiteral("STATUS:")));

    recorder.clear();
    Form1->Button16Click();
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{notConnected}));
}

TEST_F(MainWindowTest, HelpShowsTheTwentyOneLinesWithoutAConnection) {
    Form1->Button15Click();
    ASSERT_TRUE(Form5->isVisible());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(Form5->windowTitle(), QStringLiteral("HELP"));
    EXPECT_EQ(Form5->size(), QSize(378, 274));
    EXPECT_TRUE(Form5->Memo1->isReadOnly());
    EXPECT_EQ(Form5->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QStringList lines = Form5->Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], QStringLiteral("KLO VELLDRAN UTILITY PROGRAM"));
    EXPECT_EQ(lines[1], QString(51, QLatin1Char('-')));
    EXPECT_EQ(lines[14], QStringLiteral("appropriated buttons, and press the button CONNECT."));
    EXPECT_EQ(lines[20], QString(19, QLatin1Char(' ')) + QStringLiteral("GOOD LUCK"));
    // A second click leaves the window as it is.
    Form1->Button15Click();
    EXPECT_TRUE(Form5->isVisible());
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgramWithOtherWindowsOpen) {
    Form1->show();
    Form5->show();
    QTimer::singleShot(0, ui->Button10, &QPushButton::click);
    // Without the main window ending the run, the open help window would keep the loop going.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(Form1->isVisible());
}

} // namespace
