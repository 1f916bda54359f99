#include "ui/Unit2.h"

#include "ui_Unit2.h"

#include <QCoreApplication>

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      ui(new Ui::TForm2) {
    ui->setupUi(this);
    setFixedSize(410, 80);
    // One transfer at a time: the transfer lets pending messages through between two records (for
    // STOP and to keep the windows painted), and without this any other button, a change to the
    // table being transferred or DISCONNECT would run inside it. While the dialog is up, input
    // reaches only the dialog; the other windows still move and repaint.
    setWindowModality(Qt::ApplicationModal);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

TForm2::~TForm2() {
    delete ui;
}

void TForm2::Button1Click() {
    keepRunning = false;
}

void TForm2::begin(int maximum) {
    show();
    // The range is set whole: a transfer with TO below FROM asks for a negative maximum, and
    // setMaximum alone would pull the minimum down with it for every later transfer.
    ui->ProgressBar1->setRange(0, maximum);
    ui->ProgressBar1->setValue(0);
    keepRunning = true;
    // A freshly shown window is drawn only once the window system has mapped it; let that happen
    // (without handling any input) so the dialog is on screen before the first exchange blocks.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TForm2::step(int position, const QString& text) {
    ui->ProgressBar1->setValue(position);
    ui->Label1->setText(text);
    repaint();
    QCoreApplication::processEvents();
}

void TForm2::finish() {
    ui->ProgressBar1->setValue(0);
    hide();
    keepRunning = false;
}
