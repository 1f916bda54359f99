// The main window with its window-state file: read at start-up between the fixed selections and the
// PLU range, written when the window closes (CLOSE, the close box, the window manager's close).
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "app/WindowState.h"
#include "link/SerialPort.h"
#include "tests/support/FirstRunStateFile.h"
#include "tests/support/PromptRecorder.h"
#include "ui/SpinEdit.h"

#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

enum class CloseWay { CloseButton, WindowManager, CloseCall };

struct WindowStateMainTest : ::testing::Test {
    PromptRecorder recorder;
    QTemporaryDir folder;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        setPortLinkFolder(folder.path().toStdString());
        MainWindow::stateFile = folder.filePath(QStringLiteral("scale-utility.CFG"));
        start();
    }
    void TearDown() override {
        destroyForms();
        MainWindow::stateFile.clear();
    }
    void start() {
        createForms();
        theMainWindow->show();
    }
    void close(CloseWay way) {
        switch (way) {
        case CloseWay::CloseButton:
            QTest::mouseClick(theMainWindow->ui->closeButton, Qt::LeftButton);
            break;
        case CloseWay::WindowManager: {
            // What the platform delivers for the window manager's close message (or the close box).
            QCloseEvent message;
            QCoreApplication::sendEvent(theMainWindow->windowHandle(), &message);
            break;
        }
        case CloseWay::CloseCall:
            theMainWindow->close();
            break;
        }
    }
    void restart(CloseWay way = CloseWay::WindowManager) {
        close(way);
        destroyForms();
        start();
    }
    QByteArray file() const {
        QFile saved(MainWindow::stateFile);
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& bytes) const {
        QFile saved(MainWindow::stateFile);
        ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
        saved.write(bytes);
    }
    template <typename T> T* control(const char* name) const {
        return theMainWindow->findChild<T*>(QString::fromLatin1(name));
    }
    // The kept controls that the window does not have.
    static QStringList missingControls() {
        QStringList missing;
        for (const windowstate::Entry& entry : windowstate::kEntries)
            if (!windowstate::controlOf(entry, windowstate::controlsUnder(theMainWindow)))
                missing << QString::fromLatin1(entry.name);
        return missing;
    }
};

std::string closeWayName(CloseWay way) {
    switch (way) {
    case CloseWay::CloseButton:
        return "CloseButton";
    case CloseWay::WindowManager:
        return "WindowManager";
    case CloseWay::CloseCall:
        break;
    }
    return "CloseCall";
}

void PrintTo(CloseWay way, std::ostream* os) {
    *os << closeWayName(way);
}

class WindowStateCloseWays : public WindowStateMainTest, public ::testing::WithParamInterface<CloseWay> {};

} // namespace

TEST_F(WindowStateMainTest, FirstRunWithoutAFileShowsTheDesignAndWritesTheFileAtClose) {
    EXPECT_FALSE(QFile::exists(MainWindow::stateFile));
    EXPECT_EQ(theMainWindow->ui->portCombo->currentText(), QStringLiteral("COM1"));
    EXPECT_EQ(theMainWindow->ui->baudCombo->currentText(), QStringLiteral("9600"));
    EXPECT_EQ(theMainWindow->ui->pages->currentWidget(), theMainWindow->ui->pluPage);

    close(CloseWay::WindowManager);
    EXPECT_FALSE(theMainWindow->isVisible());
    QByteArray saved = file();
    EXPECT_TRUE(saved.startsWith("KLO VELDRAN UTILITY REZ1.63 !DO NOT EDIT!\r\n145\r\n"));
    EXPECT_TRUE(saved.contains("\r\n132\r\n3\r\n9600\r\n133\r\n0\r\nCOM1\r\n60002\r\n"));
    EXPECT_TRUE(saved.contains("\r\n134\r\n0\r\n60002\r\n"));
    EXPECT_TRUE(saved.endsWith("\r\n60002\r\n60001\r\n"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_P(WindowStateCloseWays, PortAndBaudSurviveARestart) {
    theMainWindow->ui->portCombo->setCurrentIndex(4);
    QComboBox* baud = theMainWindow->ui->baudCombo;
    baud->lineEdit()->selectAll();
    QTest::keyClicks(baud, QStringLiteral("28800"));
    restart(GetParam());
    EXPECT_EQ(theMainWindow->ui->portCombo->currentIndex(), 4);
    EXPECT_EQ(theMainWindow->ui->portCombo->currentText(), QStringLiteral("COM5"));
    // A typed text stays a typed text, even where it reads like an item.
    EXPECT_EQ(theMainWindow->ui->baudCombo->currentIndex(), -1);
    EXPECT_EQ(theMainWindow->ui->baudCombo->currentText(), QStringLiteral("28800"));
    EXPECT_TRUE(recorder.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Closing, WindowStateCloseWays,
                         ::testing::Values(CloseWay::CloseButton, CloseWay::WindowManager,
                                           CloseWay::CloseCall),
                         [](const auto& info) { return closeWayName(info.param); });

TEST_F(WindowStateMainTest, PluRangeStartsAtOneTo1799WhateverWasSaved) {
    auto* from = control<SpinEdit>("fromSpin");
    auto* to = control<SpinEdit>("toSpin");
    ASSERT_TRUE(from && to);
    from->setValue(5);
    to->setValue(10);
    restart();
    EXPECT_EQ(control<SpinEdit>("fromSpin")->value(), 1);
    EXPECT_EQ(control<SpinEdit>("toSpin")->value(), 1799);
}

TEST_F(WindowStateMainTest, ForeignOrUnwritableFilesChangeNothing) {
    theMainWindow->ui->portCombo->setCurrentIndex(3);
    close(CloseWay::CloseCall);
    QByteArray saved = file();
    destroyForms();

    writeFile(QByteArray(saved).replace("REZ1.63", "REZ2.00"));
    start();
    EXPECT_EQ(theMainWindow->ui->portCombo->currentText(), QStringLiteral("COM1"));
    destroyForms();

    writeFile(QByteArray(saved).replace("\r\n145\r\n", "\r\n144\r\n"));
    start();
    EXPECT_EQ(theMainWindow->ui->portCombo->currentText(), QStringLiteral("COM1"));

    // The file's folder has gone: the close goes on without a message and writes nothing.
    MainWindow::stateFile = folder.filePath(QStringLiteral("gone/scale-utility.CFG"));
    close(CloseWay::CloseButton);
    EXPECT_FALSE(theMainWindow->isVisible());
    EXPECT_FALSE(QFile::exists(MainWindow::stateFile));
    EXPECT_TRUE(recorder.messages.empty());
}

// The whole window, every tab in place: a first run closed by the window manager writes the format's
// file line for line, and a file with changed values comes back unchanged after a start and a close.
TEST_F(WindowStateMainTest, FullWindowFirstRunFileAndChangedValuesComeBack) {
    ASSERT_EQ(missingControls(), QStringList()) << "kept controls that the window lacks";

    // The sample clerk names are the window's own choice; the clock shows the PC's time since start.
    auto text = [this](const char* name) { return control<QLineEdit>(name)->text(); };
    QString clock = control<QLineEdit>("clockEdit")->displayText();
    EXPECT_FALSE(clock.trimmed().isEmpty());
    close(CloseWay::WindowManager);
    QByteArray firstRun = file();
    EXPECT_EQ(firstRun,
              firstRunStateFile(
                  {text("clerk4Edit"), text("clerk3Edit"), text("clerk2Edit"), text("clerk1Edit")}, clock));

    // Every kept value changed, the clock to a time that start-up must replace.
    QByteArray changed = firstRun;
    changed.replace("\r\n56\r\na44W5U5\r\n", "\r\n56\r\nb55X5U5\r\n")
        .replace("\r\n80\r\nZ\xB3 \r\n", "\r\n80\r\nEUR\r\n")
        .replace("\r\n117\r\n6.0\r\n", "\r\n117\r\n7.5\r\n")
        .replace("\r\n71\r\n0\r\nAll at once\r\n", "\r\n71\r\n3\r\nLabel-1\r\n")
        .replace("\r\n130\r\n-1\r\n3\r\n", "\r\n130\r\n0\r\n1\r\n")
        .replace("\r\n132\r\n3\r\n9600\r\n", "\r\n132\r\n-1\r\n300\r\n")
        .replace("\r\n133\r\n0\r\nCOM1\r\n", "\r\n133\r\n6\r\nCOM7\r\n")
        .replace("\r\n72\r\n" + clock.toLatin1() + "\r\n", "\r\n72\r\n01-01-01 01:01:01\r\n");
    destroyForms();
    writeFile(changed);
    start();
    EXPECT_EQ(control<QLineEdit>("currencyEdit")->text(), QStringLiteral("EUR"));
    QString newClock = control<QLineEdit>("clockEdit")->displayText();
    EXPECT_NE(newClock, QStringLiteral("01-01-01 01:01:01"));
    close(CloseWay::WindowManager);
    EXPECT_EQ(file(), QByteArray(changed).replace("\r\n72\r\n01-01-01 01:01:01\r\n",
                                                  "\r\n72\r\n" + newClock.toLatin1() + "\r\n"));
}
