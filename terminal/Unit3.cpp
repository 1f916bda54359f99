#include "terminal/Unit3.h"

#include "ui_Unit3.h"

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

TForm3::TForm3(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::TForm3), Timer1(new QTimer(this)), session(session) {
    ui->setupUi(this);
    setDialogFrame(this, 233, 299, DialogFrame::StaysOnTop);
    // The keypad buttons take no focus, so every key press reaches the window first.
    setFocusPolicy(Qt::StrongFocus);

    QPalette panel = ui->Panel1->palette();
    panel.setColor(QPalette::Window, panelColour);
    panel.setColor(QPalette::WindowText, Qt::black);
    ui->Panel1->setPalette(panel);

    lineLabels = {ui->Label1, ui->Label2, ui->Label3};
    overlayLabels = {ui->Label10, ui->Label11, ui->Label12};
    indicatorLabels = {ui->Label9, ui->Label7,  ui->Label4,  ui->Label5, ui->Label6,
                       ui->Label8, ui->Label13, ui->Label14, ui->Label15};
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

    keys = {ui->Button1,  ui->Button2,  ui->Button3,  ui->Button4,  ui->Button5,  ui->Button6,
            ui->Button7,  ui->Button8,  ui->Button9,  ui->Button10, ui->Button11, ui->Button12,
            ui->Button13, ui->Button14, ui->Button15, ui->Button16, ui->Button17, ui->Button18,
            ui->Button19, ui->Button20, ui->Button21, ui->Button22, ui->Button23, ui->Button24,
            ui->Button25, ui->Button26, ui->Button27, ui->Button28, ui->Button29, ui->Button30};
    for (QPushButton* key : keys)
        connect(key, &QPushButton::clicked, this, [this, key] { ButtonXClick(key); });

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(pollInterval);
    // A coarse timer may fire a little early; the polls must stay at least the interval apart.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);

    centreOnScreen(this);
}

TForm3::~TForm3() {
    delete ui;
}

void TForm3::ButtonXClick(const QPushButton* button) {
    auto at = std::find(keys.begin(), keys.end(), button);
    if (at != keys.end())
        sendKey(session.line(), kKeypad[static_cast<size_t>(at - keys.begin())].code);
}

void TForm3::FormKeyDown(const QKeyEvent& key) {
    sendKey(session.line(),
            keyboardCode(key.key(), key.modifiers().testFlag(Qt::KeypadModifier), key.nativeScanCode()));
}

void TForm3::FormActivate() {
    Timer1->start();
}

void TForm3::FormDeactivate() {
    Timer1->stop();
}

void TForm3::Timer1Timer() {
    Timer1->stop();
    // A PLU transfer lets the timer run between two records; its exchanges come first.
    if (session.transferRunning()) {
        Timer1->start();
        return;
    }
    std::optional<DisplayState> state = pollDisplay(session.line().link);
    if (!state)
        return;
    showDisplay(*state);
    Timer1->start();
}

void TForm3::showDisplay(const DisplayState& state) {
    QString separator = QLocale().decimalPoint();
    for (size_t n = 0; n < kDisplayLines; ++n) {
        lineLabels[n]->setText(displayCaption(state.lines[n]));
        overlayLabels[n]->setText(overlayCaption(state.decimals[n], separator));
    }
    for (size_t i = 0; i < kIndicators; ++i)
        indicatorLabels[i]->setVisible(state.indicators[i]);
}

bool TForm3::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    else if (event->type() == QEvent::WindowDeactivate)
        FormDeactivate();
    return QWidget::event(event);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(*event);
    // The key is not consumed: it goes on as if the window had not looked at it.
    event->ignore();
}
