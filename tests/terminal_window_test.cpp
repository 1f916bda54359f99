// The terminal window as a real widget against the emulated scale over a pty: its layout, the keys
// and the keyboard on the wire, and the display poll (started by activation, stopped by
// deactivation and by a failure, spaced from the end of one poll to the start of the next).
#include "app/Forms.h"
#include "app/UNIT1.h"
#include "link/FrameLink.h"
#include "terminal/Unit3.h"
#include "tests/support/FormsTest.h"
#include "tests/support/SimHarness.h"

#include "ui_UNIT1.h"
#include "ui_Unit3.h"

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
    Ui::TForm3* ui = nullptr;

    void SetUp() override { start({}); }
    void start(SimOptions options) {
        scale = std::make_unique<SimHarness>(options);
        createForms();
        ui = Form3->ui;
        ASSERT_TRUE(theLink.open(1, options.baud > 0 ? options.baud : 9600));
    }
    ScaleSim& sim() { return scale->sim(); }
    int polls() {
        Bodies bodies = sim().requestBodies();
        return static_cast<int>(std::count_if(bodies.begin(), bodies.end(), isPoll));
    }
    void activate() {
        Form3->show();
        Form3->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    }
    void deactivate() {
        Form1->show();
        Form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    }
};

TEST_F(TerminalWindowTest, LayoutOfThePanelAndKeypad) {
    EXPECT_EQ(Form3->windowTitle(), QStringLiteral("TERMINAL"));
    EXPECT_EQ(Form3->size(), QSize(233, 299));
    EXPECT_TRUE(Form3->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(ui->Panel1->palette().color(QPalette::Window), QColor(155, 154, 98));
    EXPECT_FALSE(Form3->Timer1->isActive());
    EXPECT_EQ(Form3->Timer1->interval(), 100);

    // Each line, and its overlay half a cell to the right of the line's left edge.
    const std::array<std::pair<QLabel*, QLabel*>, 3> lines = {
        {{ui->Label1, ui->Label10}, {ui->Label2, ui->Label11}, {ui->Label3, ui->Label12}}};
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
        {ui->Label9, "SHIFT"}, {ui->Label7, "MODE"},   {ui->Label4, "STAB"},
        {ui->Label5, "ZERO"},  {ui->Label6, "NET"},    {ui->Label8, "BATT"},
        {ui->Label13, "SBT"},  {ui->Label14, "PAPER"}, {ui->Label15, "CHARG"}};
    top = -1;
    for (auto [label, caption] : indicators) {
        EXPECT_EQ(label->text(), caption);
        EXPECT_LT(label->x(), ui->Label1->x());
        EXPECT_GT(label->y(), top);
        top = label->y();
    }
    // Five rows of six equal keys below the panel.
    for (int i = 0; i < 30; ++i) {
        auto* key = Form3->findChild<QPushButton*>(QStringLiteral("Button%1").arg(i + 1));
        ASSERT_TRUE(key);
        EXPECT_EQ(key->size(), ui->Button1->size());
        EXPECT_GE(key->y(), ui->Panel1->geometry().bottom());
        EXPECT_EQ(key->y(), ui->Button1->y() + (i / 6) * (ui->Button7->y() - ui->Button1->y()));
        EXPECT_EQ(key->x(), ui->Button1->x() + (i % 6) * (ui->Button2->x() - ui->Button1->x()));
        EXPECT_LE(key->geometry().right(), 232);
        EXPECT_LE(key->geometry().bottom(), 298);
    }
}

TEST_F(TerminalWindowTest, KeysAndKeyboardGoOnTheWire) {
    ui->Button1->click();
    QTest::mouseClick(ui->Button20, Qt::LeftButton);
    ui->Button30->click();
    QTest::keyClick(Form3, Qt::Key_Right);
    // Ctrl is a key press of its own (0x00); held, it does not change Delete's code.
    QTest::keyClick(Form3, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(Form3, Qt::Key_A);
    QTest::keyClick(Form3, Qt::Key_5, Qt::KeypadModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_T, Qt::ShiftModifier, QStringLiteral("T"), true);
    QApplication::sendEvent(Form3, &repeat);
    // Shift held with the digit-row 1: Qt calls it "!", the key is still 1.
    constexpr uint32_t digitRowOne = 10; // XKB's key code
    QKeyEvent shiftedOne(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, digitRowOne, 0, 0,
                         QStringLiteral("!"));
    QApplication::sendEvent(Form3, &shiftedOne);
    // Tab is a key like any other, not a move of the focus.
    QTest::keyClick(Form3, Qt::Key_Tab);
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
    ui->Button5->click();
    EXPECT_EQ(Form1->ui->Label4->text(), QStringLiteral("STATUS:04"));
}

TEST_F(TerminalWindowTest, PollRunsOnlyWhileActiveAndMirrorsTheDisplays) {
    sim().withState([](ScaleState& state) {
        state.terminal.unitPrice = 1250;
        state.terminal.tareGrams = 250;
        state.terminal.shift = true;
    });
    const QString status = Form1->ui->Label4->text();
    QTest::qWait(300);
    EXPECT_EQ(polls(), 0);

    activate();
    EXPECT_TRUE(Form3->Timer1->isActive());
    QTest::qWait(500);
    EXPECT_GE(polls(), 2);
    EXPECT_EQ(ui->Label1->text(), QStringLiteral("    0500"));
    EXPECT_EQ(ui->Label2->text(), QStringLiteral("    1250"));
    EXPECT_EQ(ui->Label3->text(), QStringLiteral("     625"));
    EXPECT_EQ(ui->Label10->text(), QStringLiteral("    .   "));
    EXPECT_EQ(ui->Label11->text(), QStringLiteral("     .  "));
    const std::vector<std::pair<QLabel*, bool>> shown = {
        {ui->Label9, true},   {ui->Label7, false},  {ui->Label4, true},
        {ui->Label5, false},  {ui->Label6, true},   {ui->Label8, false},
        {ui->Label13, false}, {ui->Label14, false}, {ui->Label15, false}};
    for (auto [label, visible] : shown)
        EXPECT_EQ(label->isVisible(), visible) << label->objectName().toStdString();

    deactivate();
    EXPECT_FALSE(Form3->Timer1->isActive());
    sim().clearLog();
    QTest::qWait(400);
    EXPECT_EQ(polls(), 0);
    // The poll goes to the link directly: it never touches the main window's status.
    EXPECT_EQ(Form1->ui->Label4->text(), status);
}

TEST_F(TerminalWindowTest, FailedPollStopsSilentlyUntilActivatedAgain) {
    activate();
    QTest::qWait(300);
    ASSERT_GE(polls(), 1);
    QString shown = ui->Label1->text();
    sim().injectFault(Fault::Silence, 3);
    sim().withState([](ScaleState& state) { state.terminal.weightGrams = 1000; });
    // The three silent attempts take about 3.3 s; then nothing more comes while the window stays active.
    QTest::qWait(4000);
    sim().clearLog();
    QTest::qWait(400);
    EXPECT_EQ(polls(), 0);
    EXPECT_FALSE(Form3->Timer1->isActive());
    EXPECT_TRUE(Form3->isActiveWindow());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ui->Label1->text(), shown);

    // A key press on the failing line reports it.
    sim().injectFault(Fault::Silence, 3);
    ui->Button19->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{communicationError});

    deactivate();
    activate();
    QTest::qWait(300);
    EXPECT_GE(polls(), 1);
    EXPECT_EQ(ui->Label1->text(), QStringLiteral("    1000"));
}

TEST_F(TerminalWindowTest, EachPollStartsAtLeastTheIntervalAfterThePreviousEnded) {
    // At 1200 baud one poll's exchange takes several times the interval, so polls timed from their
    // starts would follow each other without a pause.
    theLink.close();
    destroyForms();
    SimOptions paced;
    paced.baud = 1200;
    start(paced);
    activate();
    QTest::qWait(2500);
    deactivate();

    std::vector<std::chrono::steady_clock::time_point> requests = sim().requestTimes();
    std::vector<std::chrono::steady_clock::time_point> acks = sim().ackTimes();
    ASSERT_GE(requests.size(), 3u);
    for (size_t i = 1; i < requests.size(); ++i) {
        auto lastAck = std::find_if(acks.rbegin(), acks.rend(), [&](auto at) { return at < requests[i]; });
        ASSERT_NE(lastAck, acks.rend());
        EXPECT_GE(requests[i] - *lastAck, milliseconds(100)) << "poll " << i;
        EXPECT_GT(*lastAck, requests[i - 1]) << "poll " << i;
    }
}

} // namespace
