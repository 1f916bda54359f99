#include "ui/ProgressDialog.h"

#include "ui_ProgressDialog.h"

#include <QCoreApplication>

ProgressDialog::ProgressDialog(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      ui(new Ui::ProgressDialog) {
    ui->setupUi(this);
    setFixedSize(410, 80);
    // One transfer at a time: the transfer lets pending messages through between two records (for
    // STOP and to keep the windows painted), and without this any other button, a change to the
    // table being transferred or DISCONNECT would run inside it. While the dialog is up, input
    // reaches only the dialog; the other windows still move and repaint.
    setWindowModality(Qt::ApplicationModal);
    connect(ui->stopButton, &QPushButton::clicked, this, &ProgressDialog::stop);
}

ProgressDialog::~ProgressDialog() {
    delete ui;
}

void ProgressDialog::stop() {
    keepRunning = false;
}

void ProgressDialog::begin(int maximum, bool stoppable) {
    ui->stopButton->setEnabled(stoppable);
    // No count before the first step: neither the form's placeholder nor the last transfer's.
    ui->countLabel->clear();
    show();
    // The range is set whole: a transfer with TO below FROM asks for a negative maximum, and
    // setMaximum alone would pull the minimum down with it for every later transfer.
    ui->progressBar->setRange(0, maximum);
    ui->progressBar->setValue(0);
    keepRunning = true;
    // A freshly shown window is drawn only once the window system has mapped it; let that happen
    // (without handling any input) so the dialog is on screen before the first exchange blocks.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void ProgressDialog::step(int position, const QString& text) {
    ui->progressBar->setValue(position);
    ui->countLabel->setText(text);
    repaint();
    QCoreApplication::processEvents();
}

void ProgressDialog::finish() {
    ui->progressBar->setValue(0);
    hide();
    keepRunning = false;
}
