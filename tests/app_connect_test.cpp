// CONNECT, DISCONNECT and the command wrapper against the emulated scale over a real pty.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "plu/PluTab.h"
#include "service/LineMonitor.h"
#include "terminal/TerminalWindow.h"
#include "tests/support/FormsTest.h"
#include "tests/support/SimHarness.h"
#include "tests/support/SpecialFiles.h"
#include "ui/CircleShape.h"
#include "ui/ProgressDialog.h"

#include "ui_MainWindow.h"
#include "ui_PluTab.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

namespace {

const std::vector<uint8_t> identityRequest{0xC3, 0x04, 0x00, 0x01, 0x01, 0xC3, 0x02};

struct ConnectTest : FormsTest {
    SimHarness scale;
    Ui::MainWindow* ui = nullptr;

    void SetUp() override {
        FormsTest::SetUp();
        ui = theMainWindow->ui;
    }
    bool systemTabVisible() const { return ui->pages->isTabVisible(ui->pages->indexOf(ui->systemPage)); }
    void connect() {
        theMainWindow->connectOrDisconnect();
        ASSERT_TRUE(recorder.messages.empty()) << recorder.messages[0].text.toStdString();
        ASSERT_TRUE(theMainWindow->session.isConnected());
    }
    void setIdentity(const std::string& identity) {
        scale.sim().withState([&](ScaleState& state) { state.identity = identity; });
    }
};

TEST_F(ConnectTest, ConnectShowsTheIdentityAndDisconnectPutsTheBarBack) {
    connect();
    EXPECT_EQ(ui->connectButton->text(), QStringLiteral("DISCONNECT"));
    EXPECT_EQ(ui->connectionLight->brushColor(), QColor(0, 255, 0));
    EXPECT_EQ(ui->scaleIdLabel->text(), QStringLiteral("SCALE ID: SCALE SIM 15KG V1.63"));
    EXPECT_EQ(ui->statusLabel->text(), QStringLiteral("STATUS:00"));
    EXPECT_FALSE(systemTabVisible());
    EXPECT_EQ(scale.sim().requestFrames(), std::vector<std::vector<uint8_t>>{identityRequest});
    // A note beside the tabs ends left of the identity, which shares its row.
    theMainWindow->show();
    theMainWindow->session.note(QStringLiteral("Settings read in 0:02"));
    QApplication::processEvents();
    QLabel* note = theMainWindow->noteLabel;
    const int noteEnd = note->mapTo(theMainWindow, note->rect().topRight()).x();
    const int idStart = ui->scaleIdLabel->geometry().right() -
                        ui->scaleIdLabel->fontMetrics().horizontalAdvance(ui->scaleIdLabel->text());
    EXPECT_LT(noteEnd, idStart);

    theMainWindow->showTerminal();
    EXPECT_TRUE(theTerminalWindow->isVisible());

    ui->pages->setCurrentWidget(ui->reportsPage);
    theMainWindow->connectOrDisconnect();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(theMainWindow->session.isConnected());
    EXPECT_EQ(ui->connectButton->text(), QStringLiteral("CONNECT"));
    EXPECT_EQ(ui->connectionLight->brushColor(), QColor(0, 128, 0));
    EXPECT_TRUE(ui->scaleIdLabel->text().isEmpty());
    EXPECT_EQ(ui->pages->currentWidget(), ui->pluPage);
    EXPECT_FALSE(theMainWindow->session.requireConnection());
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{notConnected});

    // A second CONNECT sends the same request: nothing of the earlier exchanges is left in the payload.
    recorder.clear();
    scale.sim().clearLog();
    theLink.putText("left over", 20);
    connect();
    EXPECT_EQ(scale.sim().requestFrames(), std::vector<std::vector<uint8_t>>{identityRequest});
}

TEST_F(ConnectTest, StatusBitTwoShowsTheSystemTabAfterEveryCommand) {
    scale.sim().setCalibration(true);
    connect();
    EXPECT_EQ(ui->statusLabel->text(), QStringLiteral("STATUS:04"));
    EXPECT_TRUE(systemTabVisible());

    scale.sim().withState([](ScaleState& state) { state.status = 0x0A; });
    theLink.clear();
    EXPECT_TRUE(theMainWindow->session.runCommand(0x01));
    EXPECT_EQ(ui->statusLabel->text(), QStringLiteral("STATUS:0A"));
    EXPECT_FALSE(systemTabVisible());

    scale.sim().withState([](ScaleState& state) { state.status = 0xFC; });
    theLink.clear();
    EXPECT_TRUE(theMainWindow->session.runCommand(0x01));
    EXPECT_EQ(ui->statusLabel->text(), QStringLiteral("STATUS:FC"));
    EXPECT_TRUE(systemTabVisible());
    // Reply data starts after the status byte and the byte after it.
    EXPECT_EQ(theLink.getText(32), "SCALE SIM 15KG V1.63");

    theMainWindow->connectOrDisconnect();
    EXPECT_FALSE(systemTabVisible());
}

TEST_F(ConnectTest, IdentityIsCutToThirtyTwoCharactersAndReadInTheScalesCodePage) {
    setIdentity("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789XYZ");
    connect();
    EXPECT_EQ(ui->scaleIdLabel->text(), QStringLiteral("SCALE ID: ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"));

    theMainWindow->connectOrDisconnect();
    setIdentity(std::string("V\x8a\xe8") + '\0' + "hidden");
    connect();
    EXPECT_EQ(ui->scaleIdLabel->text(), QStringLiteral("SCALE ID: V") + QChar(0x0160) + QChar(0x010D));
}

TEST_F(ConnectTest, IdentityThatReadsLikeMarkupIsShownAsItStands) {
    setIdentity("<b>15KG</b> &lt;V1&gt;");
    connect();
    const QString shown = QStringLiteral("SCALE ID: <b>15KG</b> &lt;V1&gt;");
    EXPECT_EQ(ui->scaleIdLabel->text(), shown);
    // Laid out as markup, the tags would vanish and the label would need far less room than the
    // characters themselves take.
    QLabel asItStands;
    asItStands.setFont(ui->scaleIdLabel->font());
    asItStands.setTextFormat(Qt::PlainText);
    asItStands.setText(shown);
    EXPECT_EQ(ui->scaleIdLabel->sizeHint(), asItStands.sizeHint());
}

// The speed the link's own open file description carries, found through /proc.
int linkBaud(const std::string& device) {
    QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& entry : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.symLinkTarget() != QString::fromStdString(device))
            continue;
        termios2 settings{};
        if (ioctl(entry.fileName().toInt(), TCGETS2, &settings) == 0)
            return static_cast<int>(settings.c_ospeed);
    }
    return -1;
}

TEST_F(ConnectTest, TypedBaudRateReachesThePortUnchanged) {
    ui->baudCombo->lineEdit()->selectAll();
    QTest::keyClicks(ui->baudCombo, QStringLiteral("300"));
    connect();
    EXPECT_EQ(linkBaud(scale.sim().slavePath()), 300);

    theMainWindow->connectOrDisconnect();
    ui->baudCombo->setCurrentIndex(4);
    connect();
    EXPECT_EQ(linkBaud(scale.sim().slavePath()), 14400);
}

// The port box names the port CONNECT opens: a COM name typed into it (COM12 of a USB adapter) is that
// port, not the place of the item that was selected before.
TEST_F(ConnectTest, TypedComNameIsThePortOpened) {
    SimOptions options;
    options.linkPath = scale.folder() + "/ports/COM12";
    ScaleSim adapter(options);
    ASSERT_TRUE(adapter.start()) << adapter.error();
    ui->portCombo->setCurrentIndex(0);
    ui->portCombo->lineEdit()->selectAll();
    QTest::keyClicks(ui->portCombo, QStringLiteral("COM12"));
    connect();
    EXPECT_EQ(adapter.requestFrames(), std::vector<std::vector<uint8_t>>{identityRequest});
    EXPECT_TRUE(scale.sim().requestFrames().empty());
    adapter.stop();
}

// The line monitor during a Load From SCALE: every frame and acknowledgement has its row, named, and
// the scale's NAK stands out in the failure colour.
TEST_F(ConnectTest, LineMonitorNamesEveryFrameOfAPluTransfer) {
    connect();
    theMainWindow->showLineMonitor();
    auto* monitor = qobject_cast<LineMonitor*>(theMainWindow->session.lineMonitor.data());
    ASSERT_NE(monitor, nullptr);
    EXPECT_TRUE(monitor->isVisible());
    theMainWindow->pluTab->ui->fromSpin->setValue(1);
    theMainWindow->pluTab->ui->toSpin->setValue(2);
    scale.sim().injectFault(Fault::Nak, 1);
    theMainWindow->pluTab->loadRangeFromScale();
    ASSERT_TRUE(recorder.messages.empty());
    monitor->showBatch();

    QStringList frames;
    int naks = 0;
    QAbstractItemModel* rows = monitor->table->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        QModelIndex frame = rows->index(row, 3);
        QString text = frame.data().toString();
        frames << text;
        QColor colour = frame.data(Qt::ForegroundRole).value<QBrush>().color();
        if (text == QStringLiteral("NAK")) {
            ++naks;
            EXPECT_EQ(colour, LineMonitor::failureColour);
        } else if (!text.startsWith(QStringLiteral("attempt"))) {
            EXPECT_NE(colour, LineMonitor::failureColour) << text.toStdString();
        }
    }
    EXPECT_EQ(naks, 1) << frames.join('\n').toStdString();
    // PLU 0, PLU 1800, then the range; the NAK made the first request go twice.
    EXPECT_EQ(frames.filter(QRegularExpression(QStringLiteral("^read PLU \\d+$"))),
              QStringList({"read PLU 0", "read PLU 0", "read PLU 1800", "read PLU 1", "read PLU 2"}));
    EXPECT_EQ(frames.filter(QStringLiteral("read PLU reply, status 00")).size(), 4);

    // SAVE writes the rows as text, one a line, the decoding after the bytes.
    QTemporaryDir dir;
    recorder.scriptedFileNames << dir.filePath(QStringLiteral("line.txt"));
    monitor->saveLog();
    QFile saved(dir.filePath(QStringLiteral("line.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromLatin1(saved.readAll()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), frames.size());
    EXPECT_EQ(
        lines.filter(QStringLiteral("PC -> scale  C3 04 00 04 00 01 00 36 33 C3 02  read PLU 1")).size(), 1)
        << lines.join('\n').toStdString();
    // Into a named pipe (a viewer reading it) the same text goes, and the pipe stays a pipe.
    const std::string fifo = dir.filePath(QStringLiteral("fifo")).toStdString();
    {
        specialfiles::PipeReader reader(fifo);
        ASSERT_TRUE(reader.ready());
        recorder.scriptedFileNames << QString::fromStdString(fifo);
        monitor->saveLog();
        EXPECT_EQ(QString::fromLatin1(reader.bytes()).split('\n', Qt::SkipEmptyParts), lines);
    }
    EXPECT_EQ(specialfiles::kindOf(fifo), 'p');
    EXPECT_TRUE(recorder.messages.empty());

    // PAUSE holds the rows back and keeps them: they show when the pause ends.
    monitor->pause->setChecked(true);
    theLink.clear();
    theLink.transact(0x01);
    monitor->showBatch();
    EXPECT_EQ(rows->rowCount(), frames.size());
    monitor->pause->setChecked(false);
    EXPECT_GT(rows->rowCount(), frames.size()) << "the rows of the pause are kept";
    const int afterPause = rows->rowCount();

    // Closed, it no longer watches: nothing more arrives.
    monitor->close();
    theLink.clear();
    theLink.transact(0x01);
    monitor->showBatch();
    EXPECT_EQ(rows->rowCount(), afterPause);
}

// FIND against two scales that hear only their own rates, on COM1 and COM2: the operator is offered
// both and picks the second; the port and baud boxes then show where it is.
TEST(FindOnTheConnectionBar, PutsTheScalePickedIntoThePortAndBaudBoxes) {
    SimOptions options;
    options.baud = 19200;
    options.ownBaudOnly = true;
    SimHarness scale(options);
    options.baud = 57600;
    options.linkPath = scale.folder() + "/ports/COM2";
    ScaleSim second(options);
    ASSERT_TRUE(second.start()) << second.error();
    PromptRecorder recorder;
    recorder.scriptedChoices = {1};
    createForms();
    theMainWindow->ui->portCombo->setCurrentIndex(4);
    const QString formerBaud = theMainWindow->ui->baudCombo->currentText();
    theMainWindow->showLineMonitor();
    theMainWindow->searchForScale();
    EXPECT_TRUE(recorder.messages.empty());
    // The line monitor shows the search's exchanges: the identity requests on every port tried.
    auto* monitor = qobject_cast<LineMonitor*>(theMainWindow->session.lineMonitor.data());
    monitor->showBatch();
    QStringList frames;
    for (int row = 0; row < monitor->table->model()->rowCount(); ++row)
        frames << monitor->table->model()->index(row, 3).data().toString();
    EXPECT_GE(frames.filter(QStringLiteral("identity")).size(), 4) << frames.join('\n').toStdString();
    monitor->hide();
    // It says where the scale is and what it changed.
    EXPECT_EQ(theMainWindow->noteLabel->text(),
              QStringLiteral(
                  "Scale found on COM2 at 57600 baud (port COM5 -> COM2, baud %1 -> 57600): press CONNECT.")
                  .arg(formerBaud));
    ASSERT_EQ(recorder.choices.size(), 1u);
    EXPECT_EQ(recorder.choices[0].size(), 2);
    EXPECT_TRUE(recorder.choices[0][0].startsWith(QStringLiteral("COM1  19200  ")));
    EXPECT_EQ(theMainWindow->ui->portCombo->currentIndex(), 1);
    EXPECT_EQ(theMainWindow->ui->baudCombo->currentText(), QStringLiteral("57600"));
    EXPECT_FALSE(theProgressDialog->isVisible());
    theMainWindow->connectOrDisconnect();
    EXPECT_TRUE(theMainWindow->session.isConnected());
    theLink.close();
    destroyForms();

    // CONNECT at a rate the scale does not hear suggests FIND.
    createForms();
    theMainWindow->ui->baudCombo->setCurrentText(QStringLiteral("9600"));
    theMainWindow->ui->portCombo->setCurrentIndex(0);
    theMainWindow->connectOrDisconnect();
    EXPECT_FALSE(theMainWindow->session.isConnected());
    EXPECT_TRUE(theMainWindow->noteLabel->text().contains(QStringLiteral("FIND")))
        << theMainWindow->noteLabel->text().toStdString();
    destroyForms();
}

} // namespace
