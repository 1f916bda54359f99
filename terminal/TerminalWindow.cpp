#include "terminal/TerminalWindow.h"

#include "ui_TerminalWindow.h"

#include "terminal/Display.h"
#include "terminal/Keypad.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"

#include <QKeyEvent>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace {

const QColor panelColour(155, 154, 98);
constexpr int pollInterval = 100;
constexpr int displayPixels = 37;

QFont displayFont() {
    QFont font(QStringLiteral("Lucida Console"));
    // Where that face is missing, font matching picks another fixed-pitch one, so the overlays'
    // cells still line up with the digits.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(displayPixels);
    font.setBold(true);
    return font;
}

} // namespace

TerminalWindow::TerminalWindow(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::TerminalWindow), pollTimer(new QTimer(this)), session(session) {
    ui->setupUi(this);
    setDialogFrame(this, 233, 299, DialogFrame::StaysOnTop);
    // The keypad buttons take no focus, so every key press reaches the window first.
    setFocusPolicy(Qt::StrongFocus);

    QPalette panel = ui->displayPanel->palette();
    panel.setColor(QPalette::Window, panelColour);
    panel.setColor(QPalette::WindowText, Qt::black);
    ui->displayPanel->setPalette(panel);

    lineLabels = {ui->displayLine1, ui->displayLine2, ui->displayLine3};
    overlayLabels = {ui->decimalsLine1, ui->decimalsLine2, ui->decimalsLine3};
    indicatorLabels = {ui->shiftIndicator, ui->modeIndicator,  ui->stableIndicator,
                       ui->zeroIndicator,  ui->netIndicator,   ui->batteryIndicator,
                       ui->sbtIndicator,   ui->paperIndicator, ui->chargeIndicator};
    QFont digits = displayFont();
    for (QLabel* label : lineLabels)
        label->setFont(digits);
    // The overlays paint no background of their own (a label fills none), so the digits show
    // through them.
    for (QLabel* label : overlayLabels)
        label->setFont(digits);
    QFont small = font();
    small.setPixelSize(10);
    small.setBold(true);
    for (QLabel* label : indicatorLabels)
        label->setFont(small);

    keys = {ui->key7,  ui->key8,    ui->key9,     ui->keyM,        ui->keyShift,     ui->keyOn,
            ui->key4,  ui->key5,    ui->key6,     ui->keyPlu,      ui->keyDrawer,    ui->keyLineFeed,
            ui->key1,  ui->key2,    ui->key3,     ui->keyMultiply, ui->keyPay,       ui->keyDiscount,
            ui->key0,  ui->key00,   ui->keyClear, ui->keyTotal,    ui->keyLeft,      ui->keyRight,
            ui->keyC1, ui->keyZero, ui->keyTare,  ui->keyC2,       ui->keyBackspace, ui->keyEnter};
    for (QPushButton* key : keys)
        connect(key, &QPushButton::clicked, this, [this, key] { pressKey(key); });

    pollTimer->setObjectName(QStringLiteral("pollTimer"));
    pollTimer->setInterval(pollInterval);
    // A coarse timer may fire a little early; the polls must stay at least the interval apart.
    pollTimer->setTimerType(Qt::PreciseTimer);
    connect(pollTimer, &QTimer::timeout, this, &TerminalWindow::refreshDisplay);

    centreOnScreen(this);
}

TerminalWindow::~TerminalWindow() {
    delete ui;
}

void TerminalWindow::pressKey(const QPushButton* button) {
    auto at = std::find(keys.begin(), keys.end(), button);
    if (at != keys.end())
        sendKey(session.line(), kKeypad[static_cast<size_t>(at - keys.begin())].code);
}

void TerminalWindow::sendKeyboardKey(const QKeyEvent& key) {
    sendKey(session.line(),
            keyboardCode(key.key(), key.modifiers().testFlag(Qt::KeypadModifier), key.nativeScanCode()));
}

void TerminalWindow::startPolling() {
    pollTimer->start();
}

void TerminalWindow::stopPolling() {
    pollTimer->stop();
}

void TerminalWindow::refreshDisplay() {
    pollTimer->stop();
    // A PLU transfer lets the timer run between two records; its exchanges come first.
    if (session.transferRunning()) {
        pollTimer->start();
        return;
    }
    std::optional<DisplayState> state = pollDisplay(session.line().link);
    if (!state)
        return;
    showDisplay(*state);
    pollTimer->start();
}

void TerminalWindow::showDisplay(const DisplayState& state) {
    QString separator = QLocale().decimalPoint();
    for (size_t n = 0; n < kDisplayLines; ++n) {
        lineLabels[n]->setText(displayCaption(state.lines[n]));
        overlayLabels[n]->setText(overlayCaption(state.decimals[n], separator));
    }
    for (size_t i = 0; i < kIndicators; ++i)
        indicatorLabels[i]->setVisible(state.indicators[i]);
}

bool TerminalWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        startPolling();
    else if (event->type() == QEvent::WindowDeactivate)
        stopPolling();
    return QWidget::event(event);
}

void TerminalWindow::keyPressEvent(QKeyEvent* event) {
    sendKeyboardKey(*event);
    // The key is not consumed: it goes on as if the window had not looked at it.
    event->ignore();
}
