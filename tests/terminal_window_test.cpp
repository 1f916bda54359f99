// The terminal window as a real widget against the emulated scale over a pty: its layout, the keys
// and the keyboard on the wire, and the display poll (started by activation, stopped by
// deactivation and by a failure, spaced from the end of one poll to the start of the next).
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "terminal/TerminalWindow.h"
#include "tests/support/FormsTest.h"
#include "tests/support/SimHarness.h"

#include "ui_MainWindow.h"
#include "ui_TerminalWindow.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using std::chrono::milliseconds;
using Bodies = std::vector<std::vector<uint8_t>>;

bool isPoll(const std::vector<uint8_t>& body) {
    return body == std::vector<uint8_t>{0x42};
}

struct TerminalWindowTest : FormsTest {
    std::unique_ptr<SimHarness> scale;
    Ui::TerminalWindow* ui = nullptr;

    void SetUp() override { start({}); }
    void start(SimOptions options) {
        scale = std::make_unique<SimHarness>(options);
        createForms();
        ui = theTerminalWindow->ui;
        ASSERT_TRUE(theLink.open(1, options.baud > 0 ? options.baud : 9600));
    }
    ScaleSim& sim() { return scale->sim(); }
    int polls() {
        Bodies bodies = sim().requestBodies();
        return static_cast<int>(std::count_if(bodies.begin(), bodies.end(), isPoll));
    }
    void activate() {
        theTerminalWindow->show();
        theTerminalWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(theTerminalWindow));
    }
    void deactivate() {
        theMainWindow->show();
        theMainWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(theMainWindow));
    }
};

TEST_F(TerminalWindowTest, LayoutOfThePanelAndKeypad) {
    EXPECT_EQ(theTerminalWindow->windowTitle(), QStringLiteral("TERMINAL"));
    EXPECT_EQ(theTerminalWindow->size(), QSize(233, 299));
    EXPECT_TRUE(theTerminalWindow->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(ui->displayPanel->palette().color(QPalette::Window), QColor(155, 154, 98));
    EXPECT_FALSE(theTerminalWindow->pollTimer->isActive());
    EXPECT_EQ(theTerminalWindow->pollTimer->interval(), 100);

    // Each line, and its overlay half a cell to the right of the line's left edge.
    const std::array<std::pair<QLabel*, QLabel*>, 3> lines = {{{ui->displayLine1, ui->decimalsLine1},
                                                               {ui->displayLine2, ui->decimalsLine2},
                                                               {ui->displayLine3, ui->decimalsLine3}}};
    int top = -1;
    for (auto [line, overlay] : lines) {
        EXPECT_EQ(line->text(), QStringLiteral(" 0000000"));
        EXPECT_EQ(line->size(), QSize(185, 43));
        EXPECT_EQ(line->x(), 40);
        EXPECT_GT(line->y(), top);
        top = line->y();
        EXPECT_EQ(line->font().pixelSize(), 37);
        EXPECT_TRUE(line->font().bold());
        EXPECT_EQ(overlay->size(), QSize(157, 37));
        EXPECT_EQ(overlay->pos(), line->pos() + QPoint(12, 0));
        EXPECT_EQ(overlay->font(), line->font());
        // The overlay shows seven cells: a separator centred in the eighth (no decimals) stays hidden.
        int cell = QFontMetrics(overlay->font()).horizontalAdvance(QLatin1Char('0'));
        EXPECT_GE(7 * cell + cell / 3, overlay->width()) << cell;
        EXPECT_LE(8 * cell, line->width()) << cell;
    }
    // The indicators in a column at the panel's left edge, in this order from the top.
    const std::vector<std::pair<QLabel*, QString>> indicators = {
        {ui->shiftIndicator, "SHIFT"}, {ui->modeIndicator, "MODE"},   {ui->stableIndicator, "STAB"},
        {ui->zeroIndicator, "ZERO"},   {ui->netIndicator, "NET"},     {ui->batteryIndicator, "BATT"},
        {ui->sbtIndicator, "SBT"},     {ui->paperIndicator, "PAPER"}, {ui->chargeIndicator, "CHARG"}};
    top = -1;
    for (auto [label, caption] : indicators) {
        EXPECT_EQ(label->text(), caption);
        EXPECT_LT(label->x(), ui->displayLine1->x());
        EXPECT_GT(label->y(), top);
        top = label->y();
    }
    // Five rows of six equal keys below the panel.
    for (int i = 0; i < 30; ++i) {
        QPushButton* key = theTerminalWindow->keypadButtons()[size_t(i)];
        ASSERT_TRUE(key);
        EXPECT_EQ(key->size(), ui->key7->size());
        EXPECT_GE(key->y(), ui->displayPanel->geometry().bottom());
        EXPECT_EQ(key->y(), ui->key7->y() + (i / 6) * (ui->key4->y() - ui->key7->y()));
        EXPECT_EQ(key->x(), ui->key7->x() + (i % 6) * (ui->key8->x() - ui->key7->x()));
        EXPECT_LE(key->geometry().right(), 232);
        EXPECT_LE(key->geometry().bottom(), 298);
    }
}

TEST_F(TerminalWindowTest, KeysAndKeyboardGoOnTheWire) {
    ui->key7->click();
    QTest::mouseClick(ui->key00, Qt::LeftButton);
    ui->keyEnter->click();
    QTest::keyClick(theTerminalWindow, Qt::Key_Right);
    // Ctrl is a key press of its own (0x00); held, it does not change Delete's code.
    QTest::keyClick(theTerminalWindow, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(theTerminalWindow, Qt::Key_A);
    QTest::keyClick(theTerminalWindow, Qt::Key_5, Qt::KeypadModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_T, Qt::ShiftModifier, QStringLiteral("T"), true);
    QApplication::sendEvent(theTerminalWindow, &repeat);
    // Shift held with the digit-row 1: Qt calls it "!", the key is still 1.
    constexpr uint32_t digitRowOne = 10; // XKB's key code
    QKeyEvent shiftedOne(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, digitRowOne, 0, 0,
                         QStringLiteral("!"));
    QApplication::sendEvent(theTerminalWindow, &shiftedOne);
    // Tab is a key like any other, not a move of the focus.
    QTest::keyClick(theTerminalWindow, Qt::Key_Tab);
    EXPECT_EQ(sim().requestBodies(), (Bodies{{0x40, 0x37},
                                             {0x40, 0x2E},
                                             {0x40, 0x68},
                                             {0x40, 0x66},
                                             {0x40, 0x00},
                                             {0x40, 0x66},
                                             {0x40, 0x00},
                                             {0x40, 0x00},
                                             {0x40, 0x54},
                                             {0x40, 0x31},
                                             {0x40, 0x00}}));
    EXPECT_TRUE(recorder.messages.empty());
    // The key press publishes its status as every command does.
    sim().withState([](ScaleState& state) { state.status = 0x04; });
    ui->keyShift->click();
    EXPECT_EQ(theMainWindow->ui->statusLabel->text(), QStringLiteral("STATUS:04"));
}

TEST_F(TerminalWindowTest, PollRunsOnlyWhileActiveAndMirrorsTheDisplays) {
    sim().withState([](ScaleState& state) {
        state.terminal.unitPrice = 1250;
        state.terminal.tareGrams = 250;
        state.terminal.shift = true;
    });
    const QString status = theMainWindow->ui->statusLabel->text();
    QTest::qWait(300);
    EXPECT_EQ(polls(), 0);

    activate();
    EXPECT_TRUE(theTerminalWindow->pollTimer->isActive());
    QTest::qWait(500);
    EXPECT_GE(polls(), 2);
    EXPECT_EQ(ui->displayLine1->text(), QStringLiteral("    0500"));
    EXPECT_EQ(ui->displayLine2->text(), QStringLiteral("    1250"));
    EXPECT_EQ(ui->displayLine3->text(), QStringLiteral("     625"));
    EXPECT_EQ(ui->decimalsLine1->text(), QStringLiteral("    .   "));
    EXPECT_EQ(ui->decimalsLine2->text(), QStringLiteral("     .  "));
    const std::vector<std::pair<QLabel*, bool>> shown = {
        {ui->shiftIndicator, true}, {ui->modeIndicator, false},  {ui->stableIndicator, true},
        {ui->zeroIndicator, false}, {ui->netIndicator, true},    {ui->batteryIndicator, false},
        {ui->sbtIndicator, false},  {ui->paperIndicator, false}, {ui->chargeIndicator, false}};
    for (auto [label, visible] : shown)
        EXPECT_EQ(label->isVisible(), visible) << label->objectName().toStdString();

    deactivate();
    EXPECT_FALSE(theTerminalWindow->pollTimer->isActive());
    sim().clearLog();
    QTest::qWait(400);
    EXPECT_EQ(polls(), 0);
    // The poll goes to the link directly: it never touches the main window's status.
    EXPECT_EQ(theMainWindow->ui->statusLabel->text(), status);
}

TEST_F(TerminalWindowTest, FailedPollStopsSilentlyUntilActivatedAgain) {
    activate();
    QTest::qWait(300);
    ASSERT_GE(polls(), 1);
    QString shown = ui->displayLine1->text();
    sim().injectFault(Fault::Silence, 3);
    sim().withState([](ScaleState& state) { state.terminal.weightGrams = 1000; });
    // The three silent attempts take about 3.3 s; then nothing more comes while the window stays active.
    QTest::qWait(4000);
    sim().clearLog();
    QTest::qWait(400);
    EXPECT_EQ(polls(), 0);
    EXPECT_FALSE(theTerminalWindow->pollTimer->isActive());
    EXPECT_TRUE(theTerminalWindow->isActiveWindow());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ui->displayLine1->text(), shown);

    // A key press on the failing line reports it.
    sim().injectFault(Fault::Silence, 3);
    ui->key0->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{communicationError});

    deactivate();
    activate();
    QTest::qWait(300);
    EXPECT_GE(polls(), 1);
    EXPECT_EQ(ui->displayLine1->text(), QStringLiteral("    1000"));
}

TEST_F(TerminalWindowTest, EachPollStartsAtLeastTheIntervalAfterThePreviousEnded) {
    // At 1200 baud one poll's exchange takes several times the interval, so polls timed from their
    // starts would follow each other without a pause. The times are taken on the PC's side of the
    // line, as the frames go out: the emulator's own clock would add its thread's scheduling.
    theLink.close();
    destroyForms();
    SimOptions paced;
    paced.baud = 1200;
    start(paced);
    std::vector<std::chrono::steady_clock::time_point> requests, acks;
    theLink.trace = [&](FrameLink::TraceKind kind, const uint8_t*, size_t) {
        if (kind == FrameLink::TraceKind::RequestSent)
            requests.push_back(std::chrono::steady_clock::now());
        else if (kind == FrameLink::TraceKind::AckSent)
            acks.push_back(std::chrono::steady_clock::now());
    };
    activate();
    QTest::qWait(2500);
    deactivate();
    theLink.trace = nullptr;

    ASSERT_GE(requests.size(), 3u);
    for (size_t i = 1; i < requests.size(); ++i) {
        auto lastAck = std::find_if(acks.rbegin(), acks.rend(), [&](auto at) { return at < requests[i]; });
        ASSERT_NE(lastAck, acks.rend());
        EXPECT_GE(requests[i] - *lastAck, milliseconds(100)) << "poll " << i;
        EXPECT_GT(*lastAck, requests[i - 1]) << "poll " << i;
    }
}

} // namespace
